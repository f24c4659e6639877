// The name box, the preview beside it, the marks and the selection commands: what the
// model-based test leaves to them (keys, messages, selection rules, settings).
#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QAction>
#include <QComboBox>
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
    void renommerPuisOuvrir();
    void selections();
};

// The name box's keys and clipboard pair, then the double click that opens files that are no
// picture.
void TstRenommage::renommerPuisOuvrir() {
    Banc b;
    FenetreOuverte w(b, Trois);
    FrmPhoto& f = w.f;
    QCOMPARE(f.TxtFileName->selectedText(), QString("IMG_0001"));
    // The clipboard pair: the text to paste is asked for, then pasted over the selection.
    b.dialogues.attendreMessages({"saisie:Mer |"});
    QTest::mouseClick(f.axBPP1, Qt::LeftButton);
    QTest::mouseClick(f.axBPP2, Qt::LeftButton);
    // Enter is Down: the next name is shown, ready to be typed over.
    QTest::keyClick(f.TxtFileName, Qt::Key_Return);
    QCOMPARE(f.LstFF->currentItem()->text(), QString("IMG_0002.jpg"));
    QCOMPARE(f.TxtFileName->selectedText(), QString("IMG_0002"));
    // Up goes back; Escape does nothing.
    QTest::keyClick(f.TxtFileName, Qt::Key_Up);
    QTest::keyClicks(f.TxtFileName, "Autre");
    QTest::keyClick(f.TxtFileName, Qt::Key_Escape);
    QCOMPARE(f.TxtFileName->text(), QString("Autre.jpg"));
    // Several files selected: Down moves in the list and commits nothing.
    f.LstFF->item(2)->setSelected(true);
    QTest::keyClick(f.LstFF, Qt::Key_Down);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"IMG_0002.jpg", "IMG_0003.jpg", "Mer .jpg"}));

    // The names the box refuses: nothing moves on disk and the name comes back. No is the
    // default answer to the question.
    Banc::creerFichier(b.photos() + "/Vacances/garde.jpg", "garde");
    const QStringList avant = Banc::empreinte(b.photos());
    const QString interdit = QStringLiteral("Le titre comporte un caractère interdit !");
    const QString question =
        QStringLiteral("Ce fichier existe déjà !\n\nVoulez-vous le remplacer ?");
    cliquer(f, 1);
    for (const auto& [saisie, message] : {std::pair{QString("a?b.jpg"), interdit},
                                          {QString(".cache.jpg"), QString()},
                                          {QString(300, QLatin1Char('x')) + ".jpg", Echec},
                                          {QString("Vacances"), Echec},
                                          {QString("IMG_0003.jpg"), question}}) {
        if (!message.isEmpty())
            b.dialogues.attendreMessage(message, message == question ? Dialogues::Reponse::Non
                                                                     : Dialogues::Reponse::Ok);
        taper(f, saisie);
        if (message == question)
            QCOMPARE(b.dialogues.vues().last().boutonDefaut, 1);
        QCOMPARE(Banc::empreinte(b.photos()), avant);
        QCOMPARE(f.LstFF->currentItem()->text(), QString("IMG_0002.jpg"));
        QCOMPARE(f.TxtFileName->text(), QString("IMG_0002.jpg"));
    }
    QCOMPARE(Banc::lire(b.photos() + "/Vacances/garde.jpg"), QByteArray("garde"));

    Banc::creerFichier(b.photos() + "/b.JPG");
    Banc::creerFichier(b.photos() + "/bruit.jpg", QByteArray(3000, '\x5a'));
    Banc::creerFichier(b.photos() + "/notes.txt", "texte");
    // All files: b.JPG, bruit, IMG_0002, IMG_0003, Mer, notes.
    f.CboFileType->setCurrentIndex(8);
    for (const int i : {0, 1, 5}) {
        cliquer(f, i);
        QTest::mouseDClick(f.LstFF->viewport(), Qt::LeftButton, {}, centre(f, i));
    }
    // The test of the endings is exact: ".JPG" opens, ".jpg" does not.
    QCOMPARE(b.shell.ouverts, QStringList({b.photos() + "/b.JPG", b.photos() + "/notes.txt"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

// The rules that select part of the name, the selection commands, then the marking keys.
void TstRenommage::selections() {
    Banc b;
    const QString longNom = QString(251, QLatin1Char('n')) + ".jpg";
    FenetreOuverte w(
        b, {"012 _ Plage.jpg", "b.jpg", "IMG_1.jpg", "img_2.jpg", longNom, "Plage.jpg", "Vue.jpg"});
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    cliquer(f, 5);
    QAction* choix = m.article("mnuChoix");
    QAction* optimal = m.article("mnuOptimal");
    b.dialogues.attendreMessages({"saisie:-7|", "saisie:00|"});
    choix->trigger();
    QVERIFY(choix->isChecked() && !optimal->isChecked());
    QCOMPARE(f.TxtFileName->selectedText(), QString());
    QCOMPARE(f.TxtFileName->cursorPosition(), 2);
    b.dialogues.attendreMessages({"saisie:abc|", "Valeur inscrite non numérique !"});
    choix->trigger();
    QVERIFY(optimal->isChecked() && !choix->isChecked());
    b.dialogues.attendreMessages({"saisie:|"});
    choix->trigger();
    QVERIFY(optimal->isChecked());
    QCOMPARE(f.TxtFileName->selectedText(), QString("Plage"));

    m.article("mnuToutSel")->trigger();
    QCOMPARE(selection(f).size(), 7);
    m.article("mnuToutDel")->trigger();
    QVERIFY(selection(f).isEmpty() && f.TxtFileName->text().isEmpty());
    QVERIFY(w.etat.PasDePhoto && !w.etat.ListeOccupee);

    // By a string, with or without case.
    for (const auto& [article, saisie, attendu, casse] :
         {std::tuple{"mnucasseplus", "IMG", "IMG_1.jpg", 0},
          {"mnucassemoins", "IMG", "IMG_1.jpg img_2.jpg", 1}}) {
        choisir(f, {"Plage.jpg"});
        b.dialogues.attendreMessages({QString("saisie:%1|Renseignez la chaine de caractères\n"
                                              "présente dans les fichiers à sélectionner.")
                                          .arg(saisie)});
        m.article(article)->trigger();
        QCOMPARE(selection(f).join(' '), QString(attendu));
        QCOMPARE(int(w.etat.options.CasseIgnoree), casse);
    }

    // The marked files: none, the name box is emptied; two marked, both selected (the pair's
    // states: tst_etats).
    choisir(f, {"Plage.jpg"});
    QTest::mouseClick(f.axBSel0, Qt::LeftButton);
    QVERIFY(selection(f).isEmpty() && f.TxtFileName->text().isEmpty());
    choisir(f, {"img_2.jpg", "Plage.jpg"});
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    QTest::mouseClick(f.axBSel0, Qt::LeftButton);
    QCOMPARE(selection(f), QStringList({"img_2.jpg   [M]", "Plage.jpg   [M]"}));

    // A key already used by the other command is refused and nothing is written.
    const QByteArray options = Banc::lire(b.programme() + "/Options.cfg");
    b.dialogues.attendreMessage("Ce raccourci est déjà employé pour une autre fonction !");
    m.article("mnuDM(0)")->trigger();
    QCOMPARE(w.etat.options.ToucheDemarquer, qint16(117));
    QVERIFY(m.article("mnuDM(1)")->isChecked());
    QCOMPARE(Banc::lire(b.programme() + "/Options.cfg"), options);
    m.article("MnuM(7)")->trigger();
    QCOMPARE(w.etat.options.ToucheMarquer, qint16(123));
    QVERIFY(m.article("MnuM(7)")->isChecked());
    QVERIFY(Banc::lire(b.programme() + "/Options.cfg").contains(",123,117,"));

    // The marking key wins over every other handling of the key, in any control.
    for (const auto& [touche, controle, apres] :
         {std::tuple{Qt::Key_F5, (QWidget*)f.LstFF, "IMG_1.jpg"},
          {Qt::Key_F12, (QWidget*)f.TxtFileName, "IMG_1.jpg   [M]"},
          {Qt::Key_F6, (QWidget*)f.LstFF, "IMG_1.jpg"}}) {
        choisir(f, {entrees(f).filter("IMG_1.jpg").first()});
        QTest::keyClick(controle, touche);
        QVERIFY(nomsSurDisque(b.photos()).contains(apres));
    }
    // Marked, then Down: the name box follows the mark, so the commit keeps it.
    cliquer(f, int(entrees(f).indexOf("IMG_1.jpg")));
    QTest::keyClick(f.TxtFileName, Qt::Key_F12);
    QTest::keyClick(f.TxtFileName, Qt::Key_Down);
    QVERIFY(nomsSurDisque(b.photos()).contains("IMG_1.jpg   [M]"));

    // A name too long for its mark ends the pass: the list says what the disk holds, and
    // that file and the ones after it stay selected.
    f.LstFF->selectAll();
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    QStringList attendus{
        "012 _ Plage.jpg   [M]", "b.jpg   [M]", "IMG_1.jpg   [M]", "img_2.jpg   [M]", longNom,
        "Plage.jpg   [M]",       "Vue.jpg"};
    QCOMPARE(entrees(f), attendus);
    QCOMPARE(selection(f), QStringList({longNom, "Plage.jpg   [M]", "Vue.jpg"}));
    attendus.sort();
    QCOMPARE(nomsSurDisque(b.photos()), attendus);
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstRenommage)
#include "tst_renommage.moc"
