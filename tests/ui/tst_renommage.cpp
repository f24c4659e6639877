#include "apercuphoto.h"
#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "jpegexif.h"
#include "listefichiers.h"
#include "menusphoto.h"
#include "outilsfenetre.h"
#include "renommageclavier.h"

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

const QString Interdit = QStringLiteral("Le titre comporte un caractère interdit !");
const QString Existe = QStringLiteral("Ce fichier existe déjà !\n\nVoulez-vous le remplacer ?");
const QString Echec = QStringLiteral(
    "Le fichier est impossible à renommer, car probablement situé sur un support \"disque.\"\n\n"
    "Recopiez ce fichier dans un dossier de votre disque dur pour avoir accès à cette fonction.");

// A folder of three photos opened in the main window, the first one shown.
struct Session {
    Banc b;
    EtatProgramme etat;
    std::unique_ptr<FrmPhoto> f;

    explicit Session(const QStringList& noms = {"IMG_0001.jpg", "IMG_0002.jpg", "IMG_0003.jpg"},
                     int type = 0) {
        for (const QString& nom : noms)
            Banc::creerImage(b.photos() + "/" + nom, 400, 300);
        ParametresPhoto p;
        p.RepertoireDemarrage = b.photos();
        Banc::creerFichier(b.programme() + "/Photo.ini", p.versLigne());
        f = std::make_unique<FrmPhoto>(b.plateforme, etat);
        f->Form_Activate();
        if (type != 0)
            f->CboFileType->setCurrentIndex(type);
    }
    QStringList disque() const { return QDir(b.photos()).entryList(QDir::Files, QDir::Name); }
    QString courant() const { return f->LstFF->currentItem()->text(); }
    void taper(const QString& texte) {
        f->TxtFileName->selectAll();
        if (texte.isEmpty())
            QTest::keyClick(f->TxtFileName, Qt::Key_Delete);
        QTest::keyClicks(f->TxtFileName, texte);
    }
};

} // namespace

class TstRenommage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void apercuDUnePhoto();
    void apercuImpossible();
    void plusieursFichiers();
    void doubleClic();
    void renommerEtDescendre();
    void refus_data();
    void refus();
    void remplacerUnFichier();
    void casseSeule();
    void extremites();
    void reglePersonnalisee();
    void regleListeIncrementee();
    void pressePapiers();
    void toucheF3();
};

void TstRenommage::apercuDUnePhoto() {
    Session s(QStringList{});
    JpegExif::creer(s.b.photos() + "/date.jpg", "2019:07:12 09:00:00", "2019:07:12 08:00:00");
    Banc::creerImage(s.b.photos() + "/grande.jpg", 1200, 600);
    s.f->listeFichiers().CmdRefresh_Click();
    QCOMPARE(s.courant(), QString("date.jpg"));
    QVERIFY(s.f->LblTaille->text().endsWith("Date : 12/07/2019 08:00:00"));
    QVERIFY(!s.etat.PasDePhoto);

    s.f->SelectionnerEntree(1);
    QCOMPARE(s.courant(), QString("grande.jpg"));
    QVERIFY2(s.f->LblTaille->text().contains("L = 1200  x  H = 600      Date : Lecture impossible"),
             qPrintable(s.f->LblTaille->text()));
    // Fitted by width into the frame, centred in it.
    const QRect cadre = s.f->CadreApercu();
    QCOMPARE(s.f->Img0->width(), cadre.width());
    QCOMPARE(s.f->Img0->height(), cadre.width() / 2);
    QVERIFY(qAbs(s.f->Img0->geometry().center().y() - cadre.center().y()) <= 1);
    QCOMPARE(s.f->TxtFileName->text(), QString("grande.jpg"));
    QCOMPARE(s.f->TxtFileName->selectedText(), QString("grande"));
    VERIFIER_DIALOGUES(s.b.dialogues);
}

void TstRenommage::apercuImpossible() {
    Session s(QStringList{}, 8);
    Banc::creerFichier(s.b.photos() + "/bruit.jpg", QByteArray(3000, '\x5a'));
    Banc::creerFichier(s.b.photos() + "/notes.txt", "texte");
    Banc::creerFichier(s.b.photos() + "/vide.jpg", "");
    s.f->listeFichiers().CmdRefresh_Click();
    for (int i = 0; i < 3; ++i) {
        s.f->SelectionnerEntree(i);
        QVERIFY2(s.f->LblNonImage->isVisibleTo(s.f.get()), qPrintable(s.courant()));
        QVERIFY(s.etat.PasDePhoto);
        QVERIFY(s.f->LblTaille->text().isEmpty());
        QVERIFY(!s.f->axBPivoter->isVisibleTo(s.f.get()));
        QVERIFY(!s.f->ChkIns->isEnabled());
    }
    // A sound is not "not a picture".
    Banc::creerFichier(s.b.photos() + "/chant.mp3", "ID3");
    s.f->listeFichiers().CmdRefresh_Click();
    QCOMPARE(s.courant(), QString("bruit.jpg"));
    s.f->SelectionnerEntree(1);
    QCOMPARE(s.courant(), QString("chant.mp3"));
    QVERIFY(!s.f->LblNonImage->isVisibleTo(s.f.get()));
}

void TstRenommage::plusieursFichiers() {
    Session s;
    s.f->LstFF->item(2)->setSelected(true);
    QVERIFY(s.etat.ListeOccupee);
    QVERIFY(s.f->TxtFileName->text().isEmpty());
    QVERIFY(s.f->LblTaille->text().isEmpty());
    QVERIFY(s.f->Img0->pixmap().isNull());
    QVERIFY(s.etat.PasDePhoto);
    QVERIFY(s.f->axBSel1->isVisibleTo(s.f.get()));
}

void TstRenommage::doubleClic() {
    Session s(QStringList{}, 8);
    Banc::creerFichier(s.b.photos() + "/a.jpg", "pas une image");
    Banc::creerFichier(s.b.photos() + "/b.JPG", "pas une image");
    Banc::creerFichier(s.b.photos() + "/notes.txt", "texte");
    s.f->listeFichiers().CmdRefresh_Click();
    for (int i = 0; i < 3; ++i) {
        s.f->SelectionnerEntree(i);
        s.f->LstFF_DblClick();
    }
    // The test of the endings is exact: ".JPG" opens, ".jpg" does not.
    QCOMPARE(s.b.shell.ouverts,
             QStringList({s.b.photos() + "/b.JPG", s.b.photos() + "/notes.txt"}));
}

void TstRenommage::renommerEtDescendre() {
    Session s;
    QCOMPARE(s.f->TxtFileName->selectedText(), QString("IMG_0001"));
    QTest::keyClicks(s.f->TxtFileName, "Mer");
    QCOMPARE(s.f->TxtFileName->text(), QString("Mer.jpg"));
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Down);
    QCOMPARE(s.disque(), QStringList({"IMG_0002.jpg", "IMG_0003.jpg", "Mer.jpg"}));
    QCOMPARE(s.f->LstFF->item(0)->text(), QString("Mer.jpg"));
    QCOMPARE(s.courant(), QString("IMG_0002.jpg"));
    QCOMPARE(s.f->TxtFileName->selectedText(), QString("IMG_0002"));
    // Enter is Down; Up goes back.
    QTest::keyClicks(s.f->TxtFileName, "Plage");
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Return);
    QCOMPARE(s.courant(), QString("IMG_0003.jpg"));
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Up);
    QCOMPARE(s.courant(), QString("Plage.jpg"));
    QCOMPARE(s.disque(), QStringList({"IMG_0003.jpg", "Mer.jpg", "Plage.jpg"}));
    VERIFIER_DIALOGUES(s.b.dialogues);
}

void TstRenommage::refus_data() {
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<QString>("message");
    QTest::newRow("point d'interrogation") << "a?b.jpg" << Interdit;
    QTest::newRow("vide") << "" << Interdit;
    QTest::newRow("caché, en silence") << ".cache.jpg"
                                       << "";
    QTest::newRow("nom trop long") << QString(300, QLatin1Char('x')) + ".jpg" << Echec;
}

void TstRenommage::refus() {
    QFETCH(QString, saisie);
    QFETCH(QString, message);
    Session s;
    const QStringList avant = Banc::empreinte(s.b.photos());
    if (!message.isEmpty())
        s.b.dialogues.attendreMessage(message);
    s.taper(saisie);
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Down);
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(Banc::empreinte(s.b.photos()), avant);
    QCOMPARE(s.courant(), QString("IMG_0001.jpg"));
    QCOMPARE(s.f->TxtFileName->text(), QString("IMG_0001.jpg"));
}

void TstRenommage::remplacerUnFichier() {
    Session s;
    Banc::creerFichier(s.b.photos() + "/IMG_0001.jpg", "premier");
    Banc::creerFichier(s.b.photos() + "/IMG_0002.jpg", "second");
    s.b.dialogues.attendreMessage(Existe, Dialogues::Reponse::Non);
    s.taper("IMG_0002.jpg");
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Down);
    QCOMPARE(s.b.dialogues.vues()[0].boutonDefaut, 1);
    QCOMPARE(Banc::lire(s.b.photos() + "/IMG_0001.jpg"), QByteArray("premier"));
    QCOMPARE(Banc::lire(s.b.photos() + "/IMG_0002.jpg"), QByteArray("second"));
    QCOMPARE(s.courant(), QString("IMG_0001.jpg"));

    s.b.dialogues.attendreMessage(Existe, Dialogues::Reponse::Oui);
    s.taper("IMG_0002.jpg");
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Down);
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(Banc::lire(s.b.photos() + "/IMG_0002.jpg"), QByteArray("premier"));
    // The file given up is in the trash, not gone.
    QVERIFY(Banc::lire(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/IMG_0002.jpg") ==
            "second");
    QCOMPARE(s.disque(), QStringList({"IMG_0002.jpg", "IMG_0003.jpg"}));
    // The entry of the file given up went with it: one entry a file.
    QCOMPARE(entrees(*s.f), QStringList({"IMG_0002.jpg", "IMG_0003.jpg"}));

    // A folder of that name is never offered for replacement.
    QDir().mkpath(s.b.photos() + "/Vacances");
    Banc::creerFichier(s.b.photos() + "/Vacances/garde.jpg", "garde");
    s.b.dialogues.attendreMessage(Echec);
    s.taper("Vacances");
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Down);
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(Banc::lire(s.b.photos() + "/Vacances/garde.jpg"), QByteArray("garde"));
    QCOMPARE(s.disque(), QStringList({"IMG_0002.jpg", "IMG_0003.jpg"}));

    // Several files selected: Down moves in the list and commits nothing.
    s.f->LstFF->item(1)->setSelected(true);
    QTest::keyClick(s.f->LstFF, Qt::Key_Down);
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(s.disque(), QStringList({"IMG_0002.jpg", "IMG_0003.jpg"}));
}

void TstRenommage::casseSeule() {
    Session s;
    s.taper("img_0001.JPG");
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Down);
    QCOMPARE(s.disque(), QStringList({"IMG_0002.jpg", "IMG_0003.jpg", "img_0001.JPG"}));
    // Here another file may bear the other case: then it is a real change, with its question.
    Banc::creerFichier(s.b.photos() + "/img_0002.jpg", "autre");
    s.b.dialogues.attendreMessage(Existe, Dialogues::Reponse::Non);
    s.taper("img_0002.jpg");
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Down);
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(Banc::lire(s.b.photos() + "/img_0002.jpg"), QByteArray("autre"));
    QVERIFY(QFile::exists(s.b.photos() + "/IMG_0002.jpg"));
}

void TstRenommage::extremites() {
    Session s;
    s.f->SelectionnerEntree(2);
    s.taper("Fin.jpg");
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Down);
    QCOMPARE(s.courant(), QString("Fin.jpg"));
    QVERIFY(QFile::exists(s.b.photos() + "/Fin.jpg"));
    s.f->SelectionnerEntree(0);
    s.taper("Debut.jpg");
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Up);
    QCOMPARE(s.courant(), QString("Debut.jpg"));
    QVERIFY(QFile::exists(s.b.photos() + "/Debut.jpg"));
}

void TstRenommage::reglePersonnalisee() {
    Session s({"Plage.jpg"});
    const QString invite1 = QStringLiteral(
        "Inscrivez un nombre positif ou nul, correspondant au nombre de caractères NON "
        "sélectionnés,\n\nAVANT le début de la sélection.\n\nUn nombre négatif correspond au "
        "début de la sélection, comptabilisé à partir de la fin du fichier.");
    s.b.dialogues.attendreSaisie(invite1, "-7");
    s.b.dialogues.attendreSaisie({}, "00");
    s.f->menus().article("mnuChoix")->trigger();
    QCOMPARE(s.b.dialogues.vues()[0].titre, QString("Début de séléction du texte"));
    QCOMPARE(s.b.dialogues.vues()[1].titre, QString("Fin de séléction du texte"));
    QVERIFY(s.f->menus().article("mnuChoix")->isChecked());
    QVERIFY(!s.f->menus().article("mnuOptimal")->isChecked());
    QCOMPARE(s.f->TxtFileName->selectedText(), QString());
    QCOMPARE(s.f->TxtFileName->cursorPosition(), 2);

    s.b.dialogues.attendreSaisie(invite1, "abc");
    s.b.dialogues.attendreMessage("Valeur inscrite non numérique !");
    s.f->menus().article("mnuChoix")->trigger();
    QVERIFY(s.f->menus().article("mnuOptimal")->isChecked());
    QVERIFY(!s.f->menus().article("mnuChoix")->isChecked());

    s.b.dialogues.attendreSaisie(invite1, "");
    s.f->menus().article("mnuChoix")->trigger();
    QVERIFY(s.f->menus().article("mnuOptimal")->isChecked());
    QCOMPARE(s.f->TxtFileName->selectedText(), QString("Plage"));
    VERIFIER_DIALOGUES(s.b.dialogues);
}

void TstRenommage::regleListeIncrementee() {
    Session s({"012 _ Plage.jpg", "Vue.jpg"});
    s.f->menus().article("mnuSecOpt")->trigger();
    QCOMPARE(s.f->TxtFileName->selectedText(), QString("Plage"));
    // A name without the link string: the two messages once, then no more.
    s.b.dialogues.attendreMessage(
        "Le résultat obtenu est incorrect, car votre liste n'est pas incrémentée,\nou la chaine "
        "de liaison de la liste incrémentée diffère de celle actuellement en vigueur :\n\n\" _ \"  "
        " "
        "       (\"espace / tiret bas / espace \").\n\nDeux solutions simples s'offrent à vous :"
        "\n\n1- choisir la sélection personnalisée,\n\n2- ou bien changer, dans le nom des "
        "fichiers, la chaine de liaison par celle en vigueur.");
    s.b.dialogues.attendreMessage({}, Dialogues::Reponse::Annuler);
    s.f->SelectionnerEntree(1);
    VERIFIER_DIALOGUES(s.b.dialogues);
    s.f->SelectionnerEntree(0);
    s.f->SelectionnerEntree(1);
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(s.b.dialogues.vues().size(), 2);
}

void TstRenommage::pressePapiers() {
    Session s;
    s.b.dialogues.attendreSaisie({}, "");
    s.f->axBPP1->click();
    QCOMPARE(s.b.dialogues.vues()[0].titre, QString("Chaîne à coller"));
    s.b.dialogues.attendreMessage("Aucun texte dans le presse-papiers.");
    s.f->renommage().axBPP2_Click();
    QCOMPARE(s.f->TxtFileName->text(), QString("IMG_0001.jpg"));

    s.b.dialogues.attendreSaisie({}, "Vacances ");
    s.f->axBPP1->click();
    QCOMPARE(QApplication::clipboard()->text(), QString("Vacances "));
    s.f->Preselectionner();
    s.f->renommage().axBPP2_Click();
    QCOMPARE(s.f->TxtFileName->text(), QString("Vacances .jpg"));
    VERIFIER_DIALOGUES(s.b.dialogues);
}

void TstRenommage::toucheF3() {
    Session s;
    QTest::keyClick(s.f->TxtFileName, Qt::Key_F3);
    QCOMPARE(s.etat.options.InfosAgrandissement, quint8(1));
    QVERIFY(s.f->menus().article("mnuRens")->isChecked());
    QTest::keyClick(s.f->LstFF, Qt::Key_F3);
    QCOMPARE(s.etat.options.InfosAgrandissement, quint8(0));
    // Escape does nothing.
    s.taper("Autre.jpg");
    QTest::keyClick(s.f->TxtFileName, Qt::Key_Escape);
    QCOMPARE(s.f->TxtFileName->text(), QString("Autre.jpg"));
}

VIMBRAL_TEST_MAIN(TstRenommage)
#include "tst_renommage.moc"
