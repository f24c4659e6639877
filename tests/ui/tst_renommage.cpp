// The name box, the preview beside it, the marks and the selection commands: what the
// model-based test leaves to them (keys, messages, selection rules, settings).
#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "jpegexif.h"
#include "listefichiers.h"
#include "marques.h"
#include "menusphoto.h"
#include "outilsfenetre.h"
#include "renommageclavier.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString Echec = QStringLiteral(
    "Le fichier est impossible à renommer, car probablement situé sur un support \"disque.\"\n\n"
    "Recopiez ce fichier dans un dossier de votre disque dur pour avoir accès à cette fonction.");
const QStringList Trois{"IMG_0001.jpg", "IMG_0002.jpg", "IMG_0003.jpg"};

} // namespace

class TstRenommage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void apercuEtDoubleClic();
    void renommerEtDescendre();
    void refus_data();
    void refus();
    void reglesDeSelection();
    void pressePapiers();
    void touchesDeMarquage();
    void selections();
};

void TstRenommage::apercuEtDoubleClic() {
    Banc b;
    JpegExif::creer(b.photos() + "/a date.jpg", "2019:07:12 09:00:00", "2019:07:12 08:00:00");
    Banc::creerFichier(b.photos() + "/b.JPG");
    Banc::creerFichier(b.photos() + "/bruit.jpg", QByteArray(3000, '\x5a'));
    Banc::creerFichier(b.photos() + "/chant.mp3", "ID3");
    Banc::creerImage(b.photos() + "/grande.jpg", 1200, 600);
    Banc::creerFichier(b.photos() + "/notes.txt", "texte");
    Banc::creerFichier(b.photos() + "/vide.jpg", "");
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    QVERIFY(f.LblTaille->text().endsWith("Date : 12/07/2019 08:00:00"));
    QVERIFY(!w.etat.PasDePhoto);
    cliquer(f, 3);
    QVERIFY2(f.LblTaille->text().contains("L = 1200  x  H = 600      Date : Lecture impossible"),
             qPrintable(f.LblTaille->text()));
    // Fitted by width into the frame, centred in it.
    const QRect cadre = f.CadreApercu();
    QCOMPARE(f.Img0->size(), QSize(cadre.width(), cadre.width() / 2));
    QVERIFY(qAbs(f.Img0->geometry().center().y() - cadre.center().y()) <= 1);
    // Read at the size shown, not larger.
    QVERIFY(qAbs(f.Img0->pixmap().height() - f.Img0->height()) <= 1);
    QCOMPARE(f.TxtFileName->text(), QString("grande.jpg"));
    QCOMPARE(f.TxtFileName->selectedText(), QString("grande"));

    // All files: a date, b.JPG, bruit, chant, grande, notes, vide. A sound is not "not a
    // picture".
    f.CboFileType->setCurrentIndex(8);
    for (const int i : {2, 3, 5, 6}) {
        cliquer(f, i);
        QCOMPARE(f.LblNonImage->isVisibleTo(&f), i != 3);
        QVERIFY(w.etat.PasDePhoto && f.LblTaille->text().isEmpty());
        QVERIFY(!f.axBPivoter->isVisibleTo(&f) && !f.ChkIns->isEnabled());
    }
    for (const int i : {1, 2, 5}) {
        cliquer(f, i);
        QTest::mouseDClick(f.LstFF->viewport(), Qt::LeftButton, {}, centre(f, i));
    }
    // The test of the endings is exact: ".JPG" opens, ".jpg" does not.
    QCOMPARE(b.shell.ouverts, QStringList({b.photos() + "/b.JPG", b.photos() + "/notes.txt"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstRenommage::renommerEtDescendre() {
    Banc b;
    FenetreOuverte w(b, Trois);
    FrmPhoto& f = w.f;
    QCOMPARE(f.TxtFileName->selectedText(), QString("IMG_0001"));
    QTest::keyClicks(f.TxtFileName, "Mer");
    QCOMPARE(f.TxtFileName->text(), QString("Mer.jpg"));
    QTest::keyClick(f.TxtFileName, Qt::Key_Down);
    QCOMPARE(f.LstFF->currentItem()->text(), QString("IMG_0002.jpg"));
    QCOMPARE(f.TxtFileName->selectedText(), QString("IMG_0002"));
    // Enter is Down; Up goes back; Escape does nothing.
    QTest::keyClicks(f.TxtFileName, "Plage");
    QTest::keyClick(f.TxtFileName, Qt::Key_Return);
    QTest::keyClick(f.TxtFileName, Qt::Key_Up);
    QCOMPARE(f.LstFF->currentItem()->text(), QString("Plage.jpg"));
    QTest::keyClicks(f.TxtFileName, "Autre");
    QTest::keyClick(f.TxtFileName, Qt::Key_Escape);
    QCOMPARE(f.TxtFileName->text(), QString("Autre.jpg"));
    QCOMPARE(entrees(f), QStringList({"Mer.jpg", "Plage.jpg", "IMG_0003.jpg"}));
    // Several files selected: Down moves in the list and commits nothing.
    f.LstFF->item(2)->setSelected(true);
    QTest::keyClick(f.LstFF, Qt::Key_Down);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"IMG_0003.jpg", "Mer.jpg", "Plage.jpg"}));
    QTest::keyClick(f.TxtFileName, Qt::Key_F3);
    QCOMPARE(w.etat.options.InfosAgrandissement, quint8(1));
    QVERIFY(f.menus().article("mnuRens")->isChecked());
    QTest::keyClick(f.LstFF, Qt::Key_F3);
    QCOMPARE(w.etat.options.InfosAgrandissement, quint8(0));
    VERIFIER_DIALOGUES(b.dialogues);
}

// The name box's messages, and the names it refuses: nothing moves on disk.
void TstRenommage::refus_data() {
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<QString>("message");
    const QString interdit = QStringLiteral("Le titre comporte un caractère interdit !");
    QTest::newRow("point d'interrogation") << "a?b.jpg" << interdit;
    QTest::newRow("vide") << "" << interdit;
    QTest::newRow("caché, en silence") << ".cache.jpg" << QString();
    QTest::newRow("nom trop long") << QString(300, QLatin1Char('x')) + ".jpg" << Echec;
    QTest::newRow("un dossier de ce nom") << "Vacances" << Echec;
    // No is the default answer.
    QTest::newRow("nom pris, non") << "IMG_0002.jpg"
                                   << "Ce fichier existe déjà !\n\nVoulez-vous le remplacer ?";
}

void TstRenommage::refus() {
    QFETCH(QString, saisie);
    QFETCH(QString, message);
    Banc b;
    Banc::creerFichier(b.photos() + "/Vacances/garde.jpg", "garde");
    FenetreOuverte w(b, Trois);
    const QStringList avant = Banc::empreinte(b.photos());
    const bool question = message.startsWith("Ce fichier existe");
    if (!message.isEmpty())
        b.dialogues.attendreMessage(message,
                                    question ? Dialogues::Reponse::Non : Dialogues::Reponse::Ok);
    taper(w.f, saisie);
    VERIFIER_DIALOGUES(b.dialogues);
    if (question)
        QCOMPARE(b.dialogues.vues()[0].boutonDefaut, 1);
    QCOMPARE(Banc::empreinte(b.photos()), avant);
    QCOMPARE(Banc::lire(b.photos() + "/Vacances/garde.jpg"), QByteArray("garde"));
    QCOMPARE(w.f.LstFF->currentItem()->text(), QString("IMG_0001.jpg"));
    QCOMPARE(w.f.TxtFileName->text(), QString("IMG_0001.jpg"));
}

void TstRenommage::reglesDeSelection() {
    Banc b;
    FenetreOuverte w(b, {"012 _ Plage.jpg", "Plage.jpg", "Vue.jpg"});
    cliquer(w.f, 1);
    QAction* choix = w.f.menus().article("mnuChoix");
    QAction* optimal = w.f.menus().article("mnuOptimal");
    const QString invite = QStringLiteral(
        "Inscrivez un nombre positif ou nul, correspondant au nombre de caractères NON "
        "sélectionnés,\n\nAVANT le début de la sélection.\n\nUn nombre négatif correspond au "
        "début de la sélection, comptabilisé à partir de la fin du fichier.");
    b.dialogues.attendreMessages({"saisie:-7|" + invite, "saisie:00|"});
    choix->trigger();
    QCOMPARE(b.dialogues.vues()[0].titre, QString("Début de séléction du texte"));
    QCOMPARE(b.dialogues.vues()[1].titre, QString("Fin de séléction du texte"));
    QVERIFY(choix->isChecked() && !optimal->isChecked());
    QCOMPARE(w.f.TxtFileName->selectedText(), QString());
    QCOMPARE(w.f.TxtFileName->cursorPosition(), 2);
    b.dialogues.attendreMessages({"saisie:abc|", "Valeur inscrite non numérique !"});
    choix->trigger();
    QVERIFY(optimal->isChecked() && !choix->isChecked());
    b.dialogues.attendreMessages({"saisie:|"});
    choix->trigger();
    QVERIFY(optimal->isChecked());
    QCOMPARE(w.f.TxtFileName->selectedText(), QString("Plage"));
    VERIFIER_DIALOGUES(b.dialogues);

    b.dialogues.effacer();
    cliquer(w.f, 0);
    w.f.menus().article("mnuSecOpt")->trigger();
    QCOMPARE(w.f.TxtFileName->selectedText(), QString("Plage"));
    // A name without the link string: the two messages once, then no more.
    b.dialogues.attendreMessages(
        {"Le résultat obtenu est incorrect, car votre liste n'est pas incrémentée,\nou la "
         "chaine de liaison de la liste incrémentée diffère de celle actuellement en vigueur :"
         "\n\n\" _ \"          (\"espace / tiret bas / espace \").\n\nDeux solutions simples "
         "s'offrent à vous :\n\n1- choisir la sélection personnalisée,\n\n2- ou bien changer, "
         "dans le nom des fichiers, la chaine de liaison par celle en vigueur.",
         "annuler:"});
    cliquer(w.f, 2);
    cliquer(w.f, 0);
    cliquer(w.f, 2);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues().size(), 2);
}

void TstRenommage::pressePapiers() {
    Banc b;
    FenetreOuverte w(b, Trois);
    FrmPhoto& f = w.f;
    b.dialogues.attendreMessages({"saisie:|", "Aucun texte dans le presse-papiers."});
    QTest::mouseClick(f.axBPP1, Qt::LeftButton);
    QCOMPARE(b.dialogues.vues()[0].titre, QString("Chaîne à coller"));
    QTest::mouseClick(f.axBPP2, Qt::LeftButton);
    QCOMPARE(f.TxtFileName->text(), QString("IMG_0001.jpg"));
    b.dialogues.attendreMessages({"saisie:Vacances |"});
    QTest::mouseClick(f.axBPP1, Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), QString("Vacances "));
    QTest::mouseClick(f.axBPP2, Qt::LeftButton);
    QCOMPARE(f.TxtFileName->text(), QString("Vacances .jpg"));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstRenommage::touchesDeMarquage() {
    Banc b;
    const QString longNom = QString(251, QLatin1Char('n')) + ".jpg";
    FenetreOuverte w(b, {"a.jpg", "b.jpg", longNom});
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    // A key already used by the other command is refused and nothing is written.
    b.dialogues.attendreMessage("Ce raccourci est déjà employé pour une autre fonction !");
    m.article("mnuDM(0)")->trigger();
    QCOMPARE(w.etat.options.ToucheDemarquer, qint16(117));
    QVERIFY(m.article("mnuDM(1)")->isChecked());
    QVERIFY(!QFile::exists(b.programme() + "/Options.cfg"));
    m.article("MnuM(7)")->trigger();
    QCOMPARE(w.etat.options.ToucheMarquer, qint16(123));
    QVERIFY(m.article("MnuM(7)")->isChecked());
    QCOMPARE(m.article("MnuMarq")->text(),
             QString("Choisir touche F5 à F12 pour marquer le fichier  [F12]"));
    QVERIFY(Banc::lire(b.programme() + "/Options.cfg").contains(",123,117,"));

    // The marking key wins over every other handling of the key, in any control.
    for (const auto& [touche, controle, apres] :
         {std::tuple{Qt::Key_F5, (QWidget*)f.LstFF, "a.jpg"},
          {Qt::Key_F12, (QWidget*)f.TxtFileName, "a.jpg   [M]"},
          {Qt::Key_F6, (QWidget*)f.LstFF, "a.jpg"}}) {
        choisir(f, {entrees(f).filter("a.jpg").first()});
        QTest::keyClick(controle, touche);
        QCOMPARE(nomsSurDisque(b.photos()).first(), QString(apres));
    }
    // Marked, then Down: the name box follows the mark, so the commit keeps it.
    cliquer(f, 0);
    QTest::keyClick(f.TxtFileName, Qt::Key_F12);
    QTest::keyClick(f.TxtFileName, Qt::Key_Down);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg   [M]", "b.jpg", longNom}));

    // A name too long for its mark ends the pass: the list says what the disk holds, and the
    // file not marked stays selected.
    f.LstFF->selectAll();
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"a.jpg   [M]", "b.jpg   [M]", longNom}));
    QCOMPARE(selection(f), QStringList{longNom});
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg   [M]", "b.jpg   [M]", longNom}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstRenommage::selections() {
    Banc b;
    FenetreOuverte w(b, {"IMG_1.jpg", "img_2.jpg", "Plage.jpg"});
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    m.article("mnuToutSel")->trigger();
    QCOMPARE(selection(f), QStringList({"IMG_1.jpg", "img_2.jpg", "Plage.jpg"}));
    // All but one inverted: that one is the current file.
    f.LstFF->item(1)->setSelected(false);
    m.article("mnuInversSel")->trigger();
    QCOMPARE(selection(f), QStringList({"img_2.jpg"}));
    QCOMPARE(f.TxtFileName->text(), QString("img_2.jpg"));
    m.article("mnuInversSel")->trigger();
    QCOMPARE(selection(f), QStringList({"IMG_1.jpg", "Plage.jpg"}));
    m.article("mnuToutDel")->trigger();
    QVERIFY(selection(f).isEmpty() && f.TxtFileName->text().isEmpty());
    QVERIFY(w.etat.PasDePhoto && !w.etat.ListeOccupee);
    QVERIFY(f.axBSel0->isVisible() && !f.ImgUp->isVisible());

    // By a string, with or without case.
    const QString invite = QStringLiteral(
        "saisie:IMG|Renseignez la chaine de caractères\nprésente dans les fichiers à "
        "sélectionner.");
    choisir(f, {"Plage.jpg"});
    b.dialogues.attendreMessages({invite});
    m.article("mnucasseplus")->trigger();
    QCOMPARE(selection(f), QStringList({"IMG_1.jpg"}));
    QCOMPARE(w.etat.options.CasseIgnoree, quint8(0));
    choisir(f, {"Plage.jpg"});
    b.dialogues.attendreMessages({invite});
    m.article("mnucassemoins")->trigger();
    QCOMPARE(selection(f), QStringList({"IMG_1.jpg", "img_2.jpg"}));
    QCOMPARE(w.etat.options.CasseIgnoree, quint8(1));
    QVERIFY(m.article("mnucassemoins")->isChecked());
    // Cancel leaves the selection as it is.
    b.dialogues.attendreMessages({"saisie:|"});
    m.article("mnucasseplus")->trigger();
    QCOMPARE(selection(f), QStringList({"IMG_1.jpg", "img_2.jpg"}));
    QCOMPARE(w.etat.options.CasseIgnoree, quint8(0));

    // The marked files: none, the name box is emptied and the pair stays; marked files leave
    // the selection empty; two marked, both selected (the pair's states: tst_etats).
    choisir(f, {"Plage.jpg"});
    QTest::mouseClick(f.axBSel0, Qt::LeftButton);
    QVERIFY(selection(f).isEmpty() && f.TxtFileName->text().isEmpty());
    QVERIFY(f.axBSel0->isVisible());
    choisir(f, {"img_2.jpg", "Plage.jpg"});
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    QVERIFY(selection(f).isEmpty());
    QTest::mouseClick(f.axBSel0, Qt::LeftButton);
    QCOMPARE(selection(f), QStringList({"img_2.jpg   [M]", "Plage.jpg   [M]"}));
    QTest::mouseClick(f.axBSel1, Qt::LeftButton);
    QVERIFY(!f.CmdRapide->isVisible() && f.TxtFileName->text().isEmpty());
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstRenommage)
#include "tst_renommage.moc"
