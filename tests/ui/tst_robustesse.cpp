// Faults a user met in the window: the wrong file renamed, entries read after the list was
// refilled, names the system cannot give back, files that block, and what a user sees.
#include "appliquerrenommages.h"
#include "banc.h"
#include "etatprogramme.h"
#include "frmdeplace.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "incrementation.h"
#include "listefichiers.h"
#include "menusphoto.h"
#include "outilsfenetre.h"
#include "renommageclavier.h"
#include "traductions.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QTreeView>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Illisible = QStringLiteral(
    "Le nom de ce fichier n'est pas lisible (il n'est pas écrit en UTF-8) :\n\n%1\n\nAucune "
    "opération n'est possible sur ce fichier : renommez-le d'abord avec le gestionnaire de "
    "fichiers.");

// Where the program opens: the start folder of the settings ("" for none, "programme" for the
// program folder, "disparu" for one that is gone), or a path of the command line.
struct Demarrage {
    QString depart, demande, ouvert, choisi, message;
};

} // namespace

Q_DECLARE_METATYPE(Demarrage)

class TstRobustesse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void uneSeuleEntreeAffichee();
    void nomsIllisibles();
    void nomsRefusesAuClavier();
    void lotHorsDuDossier();
    void selectionsEnUneFois();
    void dossierOuvertEtBoutons();
    void dossierDeDemarrage_data();
    void dossierDeDemarrage();
    void cequeVoitLUtilisateur();
};

void TstRobustesse::uneSeuleEntreeAffichee() {
    Banc b;
    FenetreOuverte w(b, {"A.jpg", "B.jpg", "C.jpg"});
    FrmPhoto& f = w.f;
    // A selected, then B Ctrl-clicked twice: the name typed goes to A (what the window shows
    // then is a row of tst_etats).
    cliquer(f, 0);
    cliquer(f, 1, Qt::ControlModifier);
    cliquer(f, 1, Qt::ControlModifier);
    taper(f, "Z.jpg");
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"B.jpg", "C.jpg", "Z.jpg"}));
    QCOMPARE(Banc::lire(b.photos() + "/Z.jpg"), QByteArray("A.jpg"));
    VERIFIER_DIALOGUES(b.dialogues);

    // A refresh queued while the click lets events through refills the list under it: the box
    // then shows the entry selected by the refresh, never a name that left the list.
    QFile::remove(b.photos() + "/B.jpg");
    QMetaObject::invokeMethod(f.CmdRefresh, &QPushButton::click, Qt::QueuedConnection);
    cliquer(f, 1);
    QCOMPARE(f.TxtFileName->text(), QString("C.jpg"));
    QCOMPARE(f.LblRang->text(), QString("1"));
    taper(f, "Y.jpg");
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"Y.jpg", "Z.jpg"}));
    VERIFIER_DIALOGUES(b.dialogues);

    // A mark arriving while the replace question waits renames the entry under the commit: it
    // gives up, and the file whose name was asked for is not sent to the trash.
    cliquer(f, 0);
    b.dialogues.libre = DialoguesScriptes::Libre{[&f](const DialoguesScriptes::Vue&) {
        QMetaObject::invokeMethod(f.axBM, &QPushButton::click, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        return Dialogues::Reponse::Oui;
    }};
    taper(f, "Z.jpg");
    QVERIFY(b.dialogues.textes().last().startsWith("Ce fichier existe déjà !"));
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"Y.jpg   [M]", "Z.jpg"}));
    QCOMPARE(Banc::lire(b.photos() + "/Z.jpg"), QByteArray("A.jpg"));
}

void TstRobustesse::nomsIllisibles() {
    Banc b;
    const QByteArray photos = QFile::encodeName(b.photos());
    std::ofstream((photos + "/x\xff.jpg").toStdString()) << "latin";
    std::ofstream((photos + "/x\xef\xbf\xbd.jpg").toStdString()) << "utf8";
    FenetreOuverte w(b, {"a.jpg"});
    FrmPhoto& f = w.f;
    const QString lisible = QStringLiteral("x\uFFFD.jpg");
    // Listing the folder skips the unreadable name: it is looked for by its bytes.
    auto illisibleLa = [&] { return ::access((photos + "/x\xff.jpg").constData(), F_OK) == 0; };
    QCOMPARE(entrees(f), QStringList({"a.jpg", lisible, lisible + " / nom illisible"}));

    // The keyboard does not reach the file behind the unreadable entry.
    f.SelectionnerEntree(2);
    b.dialogues.attendreMessage(Illisible.arg(lisible));
    taper(f, "y.jpg");
    QVERIFY(illisibleLa());
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg", lisible}));

    // The readable twin is renamed, and it alone.
    f.SelectionnerEntree(1);
    taper(f, "y.jpg");
    QCOMPARE(Banc::lire(b.photos() + "/y.jpg"), QByteArray("utf8"));
    QVERIFY(illisibleLa());
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg", "y.jpg"}));

    // The folder's deletion checks every name before the first file goes to the trash.
    b.dialogues.attendreMessages({"oui:", "", "oui:"});
    b.dialogues.attendreMessage("Ce répertoire contient des fichiers dont le nom n'est pas "
                                "lisible (il n'est pas écrit en UTF-8).\nSuppression impossible !");
    QTest::mouseClick(f.DirDirectory->viewport(), Qt::RightButton);
    QVERIFY(illisibleLa());
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg", "y.jpg"}));

    // A folder whose name is not UTF-8 cannot be opened by its text: the user is told.
    QVERIFY(::mkdir((photos + "/\xe9t\xe9").constData(), 0755) == 0);
    b.dialogues.attendreMessage({});
    f.OuvrirDossierArbre(b.photos() + QStringLiteral("/\uFFFDt\uFFFD"));
    QCOMPARE(f.CheminDossier(), b.photos());
    VERIFIER_DIALOGUES(b.dialogues);
    // A pipe that took a photo's name is shown as what it is, without waiting for a writer.
    QVERIFY(::mkfifo((photos + "/tube.jpg").constData(), 0644) == 0);
    f.CboFileType->setCurrentIndex(8);
    f.SelectionnerEntree(entrees(f).indexOf("tube.jpg"));
    QVERIFY(f.LblNonImage->isVisibleTo(&f));
    QVERIFY(w.etat.PasDePhoto);
    // The temporary folder cannot remove what has no text name.
    ::unlink((photos + "/x\xff.jpg").constData());
    ::rmdir((photos + "/\xe9t\xe9").constData());
}

void TstRobustesse::nomsRefusesAuClavier() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "h.jpg"});
    FrmPhoto& f = w.f;
    // A NUL pasted into the box would cut the name short: refused like "/".
    QApplication::clipboard()->setText(QStringLiteral("x") + QChar(0) + QStringLiteral("y"));
    f.TxtFileName->selectAll();
    QTest::mouseClick(f.axBPP2, Qt::LeftButton);
    b.dialogues.attendreMessage("Le titre comporte un caractère interdit !");
    QTest::keyClick(f.TxtFileName, Qt::Key_Down);
    QCOMPARE(f.TxtFileName->text(), QString("a.jpg"));

    // Two hard links are two files: the second name is not taken silently.
    QVERIFY(::link(QFile::encodeName(b.photos() + "/h.jpg").constData(),
                   QFile::encodeName(b.photos() + "/H.jpg").constData()) == 0);
    f.listeFichiers().CmdRefresh_Click();
    f.SelectionnerEntree(entrees(f).indexOf("h.jpg"));
    b.dialogues.attendreMessage({}, Dialogues::Reponse::Non);
    taper(f, "H.jpg");
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"H.jpg", "a.jpg", "h.jpg"}));

    // A volume with no trash: the file in the way stays, and the message says why.
    b.fichiers.refuserCorbeille = true;
    f.SelectionnerEntree(entrees(f).indexOf("h.jpg"));
    b.dialogues.attendreMessage({}, Dialogues::Reponse::Oui);
    b.dialogues.attendreMessage("Ce fichier n'a pas pu être mis à la corbeille :\n" + b.photos() +
                                "/a.jpg\nPas de corbeille sur ce volume\n\nIl n'a pas été "
                                "remplacé.");
    taper(f, "a.jpg");
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"H.jpg", "a.jpg", "h.jpg"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstRobustesse::lotHorsDuDossier() {
    // A batch only renames plain names of files listed in its folder, all checked first.
    Banc b;
    const QString parent = b.photos();
    Banc::creerFichier(parent + "/victime.jpg", "victime");
    Banc::creerFichier(parent + "/dossier/a.jpg", "a");
    PlanRenommage plan;
    plan.etapes = {{0, "a.jpg", "1 _ a.jpg"}, {1, "../victime.jpg", "2 _ b.jpg"}};
    const BilanRenommage bilan =
        AppliquerRenommages(plan, parent + "/dossier/", b.plateforme, nullptr, nullptr, 0);
    QVERIFY(!bilan.complet);
    QCOMPARE(bilan.faits, 0);
    QCOMPARE(nomsSurDisque(parent + "/dossier"), QStringList{"a.jpg"});
    QCOMPARE(Banc::lire(parent + "/victime.jpg"), QByteArray("victime"));
}

void TstRobustesse::selectionsEnUneFois() {
    // Selection commands change the selection in one piece, not once per entry.
    QStringList noms;
    for (int i = 0; i < 40; ++i)
        noms.append(QStringLiteral("f%1.jpg").arg(i, 2, 10, QLatin1Char('0')) +
                    (i % 2 ? QStringLiteral("   [M]") : QString()));
    Banc b;
    FenetreOuverte w(b, noms);
    QSignalSpy changements(w.f.LstFF, &QListWidget::itemSelectionChanged);
    for (QPushButton* bouton : {w.f.axBSel0, w.f.axBDM}) {
        changements.clear();
        QTest::mouseClick(bouton, Qt::LeftButton);
        QVERIFY2(changements.count() <= 2, qPrintable(QString::number(changements.count())));
    }
    QCOMPARE(nomsSurDisque(b.photos()).filter("[M]").size(), 0);
}

void TstRobustesse::dossierOuvertEtBoutons() {
    Banc b;
    const QString autre = b.racine() + "/autre";
    Banc::creerFichier(autre + "/x.jpg");
    FenetreOuverte w(b, {"01 _ a.jpg   [M]", "b.jpg   [M]", "c.jpg"});
    FrmPhoto& f = w.f;
    // The rule for incremented lists checks the names of each folder opened, once.
    f.menus().mnuSecOpt->trigger();
    for (int fois = 0; fois < 2; ++fois) {
        b.dialogues.attendreMessages({"", "annuler:"});
        if (fois == 0)
            f.SelectionnerEntree(1);
        else
            f.DefinirCheminDossier(autre);
        VERIFIER_DIALOGUES(b.dialogues);
        QVERIFY(b.dialogues.vues().at(2 * fois).texte.startsWith("Le résultat obtenu"));
    }
    f.renommage().mnuOptimal_Click();

    // A refresh after a multiple selection offers to select the marked files again.
    f.DefinirCheminDossier(b.photos());
    QTest::mouseClick(f.axBSel0, Qt::LeftButton);
    QTest::mouseClick(f.CmdRefresh, Qt::LeftButton);
    QVERIFY(f.axBSel0->isVisibleTo(&f) && !f.axBSel1->isVisibleTo(&f));

    // A step move, then the name typed: the moved file is renamed.
    f.SelectionnerEntree(1);
    QTest::mouseClick(f.ImgDown, Qt::LeftButton);
    taper(f, "b2.jpg   [M]");
    QVERIFY(nomsSurDisque(b.photos()).contains("b2.jpg   [M]"));
    VERIFIER_DIALOGUES(b.dialogues);

    // Closing lists each folder opened once, however often it was opened.
    f.DefinirCheminDossier(autre);
    f.DefinirCheminDossier(b.photos());
    b.fichiers.listes.clear();
    f.close();
    QCOMPARE(b.fichiers.listes, QStringList({b.photos(), autre}));
}

void TstRobustesse::dossierDeDemarrage_data() {
    QTest::addColumn<Demarrage>("d");
    QTest::newRow("dossier de réglages") << Demarrage{"programme", "", "programme", "", ""};
    QTest::newRow("dossier disparu")
        << Demarrage{"disparu", "", "personnel", "",
                     "Ce dossier n'existe plus :\n%1/disparu\n\nLe dossier personnel est ouvert "
                     "à sa place."};
    QTest::newRow("dossier demandé") << Demarrage{"programme", "photos", "photos", "a.jpg", ""};
    QTest::newRow("photo demandée") << Demarrage{"", "photos/b.jpg", "photos", "b.jpg", ""};
    QTest::newRow("son demandé") << Demarrage{"programme", "photos/c.mp3", "photos", "c.mp3", ""};
    QTest::newRow("chemin disparu")
        << Demarrage{"programme", "photos/z.jpg", "programme", "",
                     "Ce dossier ou ce fichier n'existe plus :\n%1/photos/z.jpg"};
}

void TstRobustesse::dossierDeDemarrage() {
    QFETCH(Demarrage, d);
    Banc b;
    for (const char* nom : {"a.jpg", "b.jpg", "c.mp3"})
        Banc::creerFichier(b.photos() + "/" + nom);
    auto chemin = [&](const QString& n) {
        return n == "personnel"   ? DossierPersonnelTest()
               : n == "programme" ? b.programme()
                                  : b.racine() + "/" + n;
    };
    if (!d.depart.isEmpty())
        ouvrirSur(b, chemin(d.depart));
    else
        b.dialogues.attendreMessage({});
    if (!d.demande.isEmpty())
        b.plateforme.environnement.cheminOuverture = chemin(d.demande);
    if (!d.message.isEmpty())
        b.dialogues.attendreMessage(d.message.arg(b.racine()));
    EtatProgramme etat;
    etat.DossierDonnees = b.racine();
    FrmPhoto f(b.plateforme, etat);
    f.Form_Activate();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(f.CheminDossier(), chemin(d.ouvert));
    QCOMPARE(etat.DossiersOuverts, QStringList{chemin(d.ouvert)});
    QCOMPARE(selection(f), d.choisi.isEmpty() ? QStringList() : QStringList{d.choisi});
}

void TstRobustesse::cequeVoitLUtilisateur() {
    Banc b;
    // The size of the offscreen screen, so that windows centred over the main one fit in it.
    b.plateforme.environnement.ecran = QSize(800, 600);
    FenetreOuverte w(b, {"01 _ Plage.jpg", "02 _ Port.jpg", "03 _ Mer.jpg"});
    FrmPhoto& f = w.f;
    // Rows leave room for descenders and for the "_" of a highlighted link string.
    QVERIFY(f.LstFF->visualItemRect(f.LstFF->item(0)).height() >=
            f.LstFF->fontMetrics().lineSpacing() + 4);
    // A label whose text changes is read by its text.
    f.SelectionnerEntree(1);
    for (QLabel* l : {f.LblRang, f.LblDirName, f.LblTaille})
        QCOMPARE(QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name), l->text());
    // The copy and paste groups of the list's menu are apart.
    const QList<QAction*> articles = f.menus().mnuCopDepInvisible->actions();
    QVERIFY(articles.at(articles.indexOf(f.menus().article("mnuCopier")) + 1)->isSeparator());
    // Qt's own dialogs speak French.
    QVERIFY(InstallerTraductions(*QCoreApplication::instance()));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Annuler"));

    // Entering the incrementation leaves no empty frame. The report opens over the window;
    // near the screen's corner, it stays whole on the screen, against its edges.
    entrerEnIncrementation(b, f);
    QCOMPARE(f.Img0->frameShape(), QFrame::NoFrame);
    FrmRenom* rapport = f.incrementation().rapport();
    rapport->Charger(w.etat.RepertoireOuvert, entrees(f));
    QVERIFY((rapport->frameGeometry().center() - f.frameGeometry().center()).manhattanLength() < 8);
    rapport->EtatFinal();
    rapport->close();
    f.move(f.screen()->availableGeometry().bottomRight() - QPoint(100, 100));
    rapport->Charger(w.etat.RepertoireOuvert, entrees(f));
    QCOMPARE(rapport->frameGeometry().bottomRight(), f.screen()->availableGeometry().bottomRight());
    rapport->EtatFinal();
    rapport->close();

    // The fast-move window keeps its longest option off its edge.
    FrmDeplace deplace(b.dialogues, "2", &f);
    deplace.show();
    for (QLabel* l : deplace.Lbl)
        QVERIFY(l->geometry().right() <= deplace.width() - 12);
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstRobustesse)
#include "tst_robustesse.moc"
