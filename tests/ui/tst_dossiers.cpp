// Folders and files through the window: favourite and copy folders, new and renamed folders,
// the user's editors, the copy, cut, paste and deletion of files through the list's menu; and
// faults a user met: the wrong file renamed, entries read after the list was refilled, names
// the system cannot give back, files that block, and what a user sees.
#include "appliquerrenommages.h"
#include "banc.h"
#include "etatprogramme.h"
#include "favoris.h"
#include "frmdeplace.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "gestiondossiers.h"
#include "gestionfichiers.h"
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
#include <QDialog>
#include <QDir>
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

void cliquer(QDialog& d, const char* bouton) {
    QTest::mouseClick(d.findChild<QPushButton*>(bouton), Qt::LeftButton);
}

const QString Invite = "Voulez-vous donner un nom particulier à ce répertoire ?";
const QString Plein =
    QStringLiteral("Impossible de coller des fichiers sur un support \"disque.\"");

// A paste into the copy folder: the files, all of them chosen; copier or couper ("M": marked);
// what goes wrong; the message (%1 the photo folder); the two folders after.
struct Collage {
    QStringList fichiers;
    QString action, accident, message;
    QStringList photos, copie;
};

// A deletion of some of f1.jpg to f3.jpg: those chosen; the boxes (%1 the photo folder, f2.jpg
// read-only); the files left.
struct Suppression {
    QStringList choisis, boites, reste;
};

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

class TstDossiers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void favorisCopiesEtEditeurs();
    void dossiers_data();
    void dossiers();
    void coller_data();
    void coller();
    void supprimer_data();
    void supprimer();
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

Q_DECLARE_METATYPE(Collage)
Q_DECLARE_METATYPE(Suppression)
Q_DECLARE_METATYPE(Demarrage)

void TstDossiers::favorisCopiesEtEditeurs() {
    Banc b;
    const QString photo = "-rf \"p\" $(x).jpg", chemin = b.photos() + "/" + photo;
    FenetreOuverte w(b, {photo, "b.jpg"});
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    const QString p = b.photos(), coupe = b.racine() + "/a\nb";
    const QString favoris = b.programme() + "/Favoris.ini", dos = b.programme() + "/Dos.ini";
    QDir().mkpath(coupe);
    b.dialogues.attendreSaisie(Invite, "Été & co");
    m.article("MnuMarquer")->trigger();
    // A folder whose path holds a line break cannot go into a line file.
    QVERIFY(f.DefinirCheminDossier(coupe));
    b.dialogues.attendreMessage("Ce nom ou ce chemin contient un retour à la ligne :\n\n" + coupe +
                                "\n\nIl ne peut être inscrit dans la liste.");
    m.article("MnuMarquer")->trigger();
    QCOMPARE(Banc::lire(favoris), ("Été & co\r\n" + p + "\r\n").toUtf8());
    QCOMPARE(m.article("mnuFavoris(1)")->text(), QString("Été && co"));
    m.article("mnuFavoris(1)")->trigger();
    QCOMPARE(f.CheminDossier(), p);

    // Copy folders: a folder gone is dropped from the list when chosen; a sub-folder can be
    // made on the way.
    const QString x = b.racine() + "/x/";
    QDir().mkpath(x);
    Banc::creerFichier(dos, "/disparu/\r\n");
    b.dialogues.attendreFenetre("FrmDos", [&](QDialog& d) {
        b.dialogues.attendreMessage("Ce répertoire n'existe pas (ou plus). Il doit être supprimé "
                                    "de la liste.");
        d.findChild<QListWidget*>("LstDos")->setCurrentRow(0);
        cliquer(d, "CmdOK");
        b.dialogues.attendreDossier(x.chopped(1));
        b.dialogues.attendreMessage("Voulez-vous créer un sous répertoire dans \n" + x + " ?",
                                    Dialogues::Reponse::Oui);
        b.dialogues.attendreSaisie({}, "sous");
        cliquer(d, "CmdParcourir");
        cliquer(d, "CmdOK");
        return d.result();
    });
    QCOMPARE(f.gestionFichiers().favoris().ChoisirDossierCopie(), x + "sous/");
    QCOMPARE(Banc::lire(dos), (x + "sous/\r\n").toUtf8());

    // The user's editors: chosen, then started with the file as their one argument, never
    // through a shell.
    const QString bizarre = Banc::creerFichier(b.racine() + "/outils/-x \"a\" $(rm -rf).sh");
    b.dialogues.attendreProgramme(bizarre);
    b.dialogues.attendreSaisie("Donnez un nom au programme choisi :", "Outil & $(x)");
    m.article("mnuChoisir")->trigger();
    QCOMPARE(Banc::lire(b.programme() + "/Editer.ini"),
             ("Outil & $(x)\r\n" + bizarre + "\r\n").toUtf8());
    choisir(f, {photo});
    m.article("mnuProg(1)")->trigger();
    QCOMPARE(b.shell.lances, QList<QStringList>({{bizarre, chemin}}));

    // The preview's right click shows the programs only.
    QStringList montres;
    b.dialogues.libre = DialoguesScriptes::Libre{
        {}, {}, {}, [&](const QMenu& menu) {
            for (const QAction* a : menu.actions())
                if (a->isVisible())
                    montres.append(a->isSeparator() ? "-" : a->objectName());
            return QString();
        }};
    QTest::mouseClick(f.Img0, Qt::RightButton);
    b.dialogues.libre.reset();
    QCOMPARE(montres, QStringList({"mnuProg(0)", "mnuProg(1)"}));

    // The first entry cannot be removed.
    b.dialogues.attendreMessages({""});
    b.dialogues.attendreMenu("mnuEdit", "mnuProg(0)");
    b.dialogues.attendreMessages({"oui:Supprimer Editeur du fichier par défaut ?",
                                  "Ce premier programme ne peut être effacé !"});
    m.article("mnuSupp")->trigger();
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDossiers::dossiers_data() {
    QTest::addColumn<QString>("nom");     // typed; "non": the rename's question answered No
    QTest::addColumn<QString>("message"); // %1 the open folder, %2 the new path
    auto ligne = [](const char* cas, const QString& nom, const QString& message) {
        QTest::newRow(cas) << nom << message;
    };
    ligne("nouveau, accents, fait", " Été 2019", "");
    ligne("nouveau, déjà là", "existe", "Ce répertoire existe déjà !");
    ligne("nouveau, un fichier de ce nom", "fichier",
          "Le répertoire n'a pas pu être créé :\n%2\nun fichier porte déjà ce nom");
    for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">"})
        ligne(qPrintable(QStringLiteral("nouveau, %1").arg(c)), QStringLiteral("a%1b").arg(c),
              "Le nom d'un répertoire ne peut comporter aucun de ces caractères :\n\\ / : * ? \" "
              "< >");
    ligne("renommer, fait", "2019-Vacances", "");
    ligne("renommer, question refusée", "non", "");
    ligne("renommer, sur un dossier vide existant", "vide",
          "Un fichier ou un répertoire porte déjà ce nom :\n%2\n\nLe répertoire n'a pas été "
          "renommé.");
    ligne("renommer, refusé par le système", "refusé",
          "Le répertoire n'a pas pu être renommé :\n%1\nPermission denied");
}

void TstDossiers::dossiers() {
    QFETCH(QString, nom);
    QFETCH(QString, message);
    const QByteArray cas = QTest::currentDataTag();
    const bool creer = cas.startsWith("nouveau"), fait = cas.endsWith("fait");
    Banc b;
    const QString parent = b.racine() + "/parent", ancien = b.photos() + "/2019";
    const QString nouveau = (creer ? parent : b.photos()) + "/" + nom;
    QDir().mkpath(parent + "/existe");
    Banc::creerFichier(parent + "/fichier");
    Banc::creerFichier(ancien + "/a.jpg", "photo a");
    QDir().mkpath(b.photos() + "/vide");
    auto listes = [&](const QString& d) {
        return ("F\r\n" + d + "\r\nJ\r\n" + d + "/juin\r\n" + d + "/\r\n").toUtf8();
    };
    Banc::creerFichier(b.programme() + "/Favoris.ini", listes(ancien).chopped(ancien.size() + 3));
    Banc::creerFichier(b.programme() + "/Dos.ini", (ancien + "/\r\n").toUtf8());
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    QVERIFY(f.DefinirCheminDossier(ancien));
    b.fichiers.permis = nom == "refusé" ? 0 : 1 << 30;
    if (creer)
        b.dialogues.attendreDossier(parent);
    else
        b.dialogues.attendreMessages(
            {(nom == "non" ? "non:Renommer " : "oui:Renommer ") + ancien + " ?"});
    if (nom != "non")
        b.dialogues.attendreSaisie(creer ? "Donner un nom au répertoire de destination à créer."
                                         : "Renommer \n" + ancien,
                                   nom);
    if (!message.isEmpty())
        b.dialogues.attendreMessage(QString(message).replace("%1", ancien).replace("%2", nouveau));
    QTest::mouseClick(creer ? f.axBNouvRep : f.axBRep, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);

    // The new folder is made and opened, or nothing is. The renamed folder is open under its
    // new name; history, favourites and copy folders follow it.
    const QString ouvert = fait ? nouveau : ancien;
    QCOMPARE(f.CheminDossier(), ouvert);
    const QStringList attendu =
        QStringList(creer && fait ? 1 : 0, nom) + QStringList{"existe", "fichier"};
    QCOMPARE(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), attendu);
    if (creer)
        return;
    QCOMPARE(Banc::lire(ouvert + "/a.jpg"), QByteArray("photo a"));
    QVERIFY(QFileInfo(b.photos() + "/vide").isDir());
    QCOMPARE(w.etat.historique.Historique(), QStringList({b.photos(), ouvert}));
    QCOMPARE(Banc::lire(b.programme() + "/Favoris.ini") + Banc::lire(b.programme() + "/Dos.ini"),
             listes(ouvert));
    // Roots and the folders the program lives in keep their names.
    for (const QString& fixe : {QString("/"), DossierPersonnelTest(), b.racine()})
        QVERIFY2(!f.gestionFichiers().dossiers().Renommable(fixe), qPrintable(fixe));
    b.dialogues.attendreMessage(" Ce répertoire ne peut être renommé !");
    QVERIFY(f.DefinirCheminDossier(b.racine()));
    QTest::mouseClick(f.axBRep, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDossiers::coller_data() {
    // Name clashes, marks and a second copy are checked by the model in tst_modele: the paste
    // into the open folder gives names as the paste into a copy folder does.
    QTest::addColumn<Collage>("c");
    const QStringList a{"A.jpg"}, abc{"A.jpg", "B.jpg", "C.jpg"}, rien;
    const QStringList am{"A.jpg   [M]"}, abm{"A.jpg   [M]", "B.jpg   [M]"};
    const QStringList coupure{"A.jpg", "a\nb.jpg"};
    QTest::newRow("copie marquée") << Collage{a, "copier M", "", "", a, am};
    QTest::newRow("couper entre volumes")
        << Collage{coupure, "couper", "autre volume", "", rien, coupure};
    QTest::newRow("disque plein entre volumes") << Collage{
        a, "couper", "contenu", Plein + "\n\n%1/A.jpg\nRefus à l'étape « contenu »", a, rien};
    QTest::newRow("annulé en cours") << Collage{abc, "copier M", "annulé en cours", "", abc, abm};
}

void TstDossiers::coller() {
    QFETCH(Collage, c);
    Banc b;
    const QString copie = b.racine() + "/copie";
    QDir().mkpath(copie);
    Banc::creerFichier(b.programme() + "/Dos.ini", (copie + "/\r\n").toUtf8());
    FenetreOuverte w(b, c.fichiers);
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    w.etat.options.MarquerCopies = c.action.endsWith("M") ? 1 : 0;
    const QStringList avant = contenus(b.photos()) + contenus(copie);
    b.fichiers.autreVolume = c.accident == "autre volume" || c.accident == "contenu";
    if (c.accident == "contenu")
        b.fichiers.refuserEtape = c.accident;

    // Half a second into the second file the progress shows, and the user cancels: the file
    // under way is finished, what was pasted stays and is listed.
    bool annule = false;
    if (c.accident == "annulé en cours")
        b.fichiers.avantCopie = [&](const QString& source) {
            b.horloge.declencher();
            auto* fenetre = f.findChild<QDialog*>("FrmProgression");
            if (!source.endsWith("B.jpg") || !fenetre->isVisible())
                return;
            annule = true;
            QTest::mouseClick(fenetre->findChild<QPushButton*>("CmdAnnule"), Qt::LeftButton);
        };
    choisir(f, c.fichiers);
    m.article(c.action.startsWith("copier") ? "mnuCopier" : "mnuCouper")->trigger();
    b.dialogues.attendreFenetre("FrmDos", [&](QDialog& d) {
        d.findChild<QListWidget*>("LstDos")->setCurrentRow(0);
        cliquer(d, "CmdOK");
        return d.result();
    });
    if (!c.message.isEmpty())
        b.dialogues.attendreMessage(QString(c.message).replace("%1", b.photos()));
    m.article("mnuCollerDos")->trigger();

    QCOMPARE(nomsSurDisque(b.photos()), c.photos);
    QCOMPARE(nomsSurDisque(copie), c.copie);
    QCOMPARE(QDir(copie).entryList(QDir::Hidden | QDir::Files).size(), c.copie.size());
    QCOMPARE(perdus(avant, {b.photos(), copie}), QStringList());
    // The list shows the folder open afterwards: the copy folder after a paste into it.
    QCOMPARE(entrees(f).size(), (c.message.isEmpty() ? c.copie : c.photos).size());
    QVERIFY(!m.article("mnuCollerDos")->isEnabled());
    QCOMPARE(annule, c.accident == "annulé en cours");
    // Copied then deleted, the cut files are new files: there is nothing to take back.
    if (c.accident == "autre volume") {
        b.dialogues.attendreMessage("Aucun renommage à annuler.");
        QTest::keyClick(f.LstFF, Qt::Key_Z, Qt::ControlModifier);
    }
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDossiers::supprimer_data() {
    QTest::addColumn<Suppression>("s");
    const QStringList tous{"f1.jpg", "f2.jpg", "f3.jpg"}, deux{"f1.jpg", "f2.jpg"};
    const QString seule = "%1/f2.jpg est en lecture seule.\nVoulez-vous quand même le supprimer ?";
    QTest::newRow("un, touche Suppr") << Suppression{{"f3.jpg"}, {"oui:"}, deux};
    QTest::newRow("lecture seule gardée")
        << Suppression{deux, {"oui:", "non:" + seule}, {"f2.jpg", "f3.jpg"}};
    QTest::newRow("lecture seule jetée") << Suppression{deux, {"oui:", "oui:" + seule}, {"f3.jpg"}};
    const QString sansCorbeille = "Impossible de supprimer des fichiers sur un support "
                                  "\"disque.\"\n\n%1/f1.jpg\nPas de corbeille sur ce volume";
    QTest::newRow("pas de corbeille") << Suppression{deux, {"oui:", sansCorbeille}, tous};
}

void TstDossiers::supprimer() {
    QFETCH(Suppression, s);
    Banc b;
    FenetreOuverte w(b, {"f1.jpg", "f2.jpg", "f3.jpg"});
    FrmPhoto& f = w.f;
    QFile::setPermissions(b.photos() + "/f2.jpg", QFileDevice::ReadOwner);
    choisir(f, s.choisis);
    b.fichiers.refuserCorbeille = QByteArray(QTest::currentDataTag()) == "pas de corbeille";
    b.dialogues.attendreMessages(s.boites.replaceInStrings("%1", b.photos()));
    if (s.choisis.size() == 1)
        QTest::keyClick(f.LstFF, Qt::Key_Delete);
    else
        f.menus().article("mnuDelete")->trigger();

    QCOMPARE(nomsSurDisque(b.photos()), s.reste);
    // A read-only file goes to the trash as it was.
    if (QFile::exists(corbeille() + "/f2.jpg"))
        QVERIFY(!(QFile::permissions(corbeille() + "/f2.jpg") & QFileDevice::WriteOwner));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDossiers::uneSeuleEntreeAffichee() {
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

void TstDossiers::nomsIllisibles() {
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

void TstDossiers::nomsRefusesAuClavier() {
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

void TstDossiers::lotHorsDuDossier() {
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

void TstDossiers::selectionsEnUneFois() {
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

void TstDossiers::dossierOuvertEtBoutons() {
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

void TstDossiers::dossierDeDemarrage_data() {
    QTest::addColumn<Demarrage>("d");
    QTest::newRow("dossier disparu")
        << Demarrage{"disparu", "", "personnel", "",
                     "Ce dossier n'existe plus :\n%1/disparu\n\nLe dossier personnel est ouvert "
                     "à sa place."};
    QTest::newRow("photo demandée") << Demarrage{"", "photos/b.jpg", "photos", "b.jpg", ""};
    QTest::newRow("chemin disparu")
        << Demarrage{"programme", "photos/z.jpg", "programme", "",
                     "Ce dossier ou ce fichier n'existe plus :\n%1/photos/z.jpg"};
}

void TstDossiers::dossierDeDemarrage() {
    QFETCH(Demarrage, d);
    Banc b;
    for (const char* nom : {"a.jpg", "b.jpg"})
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

void TstDossiers::cequeVoitLUtilisateur() {
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

VIMBRAL_TEST_MAIN(TstDossiers)
#include "tst_dossiers.moc"
