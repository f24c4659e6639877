// Favourite and copy folders, new and renamed folders, the user's editors, and the copy, cut,
// paste and deletion of files through the file list's menu: the lists on disk, the folders
// made or renamed, the programs started, the files and their contents, and the messages.
#include "banc.h"
#include "etatprogramme.h"
#include "favoris.h"
#include "frmphoto.h"
#include "gestiondossiers.h"
#include "gestionfichiers.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

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
};

namespace {

void cliquer(QDialog& d, const char* bouton) {
    QTest::mouseClick(d.findChild<QPushButton*>(bouton), Qt::LeftButton);
}

QStringList favorisDuMenu(FrmPhoto& f) {
    QStringList noms;
    for (QAction* a : f.menus().mnuFavorisInv->actions())
        if (a->objectName().startsWith("mnuFavoris(") && a->isVisible())
            noms << a->text() + " → " + a->data().toString();
    return noms;
}

const QString Invite = "Voulez-vous donner un nom particulier à ce répertoire ?";
const QString Plein =
    QStringLiteral("Impossible de coller des fichiers sur un support \"disque.\"");
const QString Longue = QString(247, QLatin1Char('n')) + ".jpg";

// A paste: the files, all of them chosen; copier or couper ("M": marked); the copy folder's
// files before; what goes wrong; the message (%1 the photo folder); the two folders after.
struct Collage {
    QStringList fichiers;
    QString action;
    QStringList deja;
    QString accident, message;
    QStringList photos, copie;
};

// A deletion: how many files; those chosen ("*": all); the boxes (%1 the photo folder, f2.jpg
// read-only); the files left.
struct Suppression {
    int nombre;
    QStringList choisis, boites, reste;
};

} // namespace

Q_DECLARE_METATYPE(Collage)
Q_DECLARE_METATYPE(Suppression)

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
    QCOMPARE(favorisDuMenu(f), QStringList({"Été && co → " + p}));
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
    m.article("mnuEdDef")->trigger();
    QCOMPARE(b.shell.lances, QList<QStringList>({{bizarre, chemin}}));
    QCOMPARE(b.shell.ouverts, QStringList({chemin}));

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
    QVERIFY(m.article("mnuChoisir")->isVisible());

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
    const QString creation = "Le répertoire n'a pas pu être créé :\n%2\n";
    ligne("nouveau, accents, fait", " Été 2019", "");
    ligne("nouveau, sélecteur annulé", "", "");
    ligne("nouveau, déjà là", "existe", "Ce répertoire existe déjà !");
    ligne("nouveau, un fichier de ce nom", "fichier", creation + "un fichier porte déjà ce nom");
    for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">"})
        ligne(qPrintable(QStringLiteral("nouveau, %1").arg(c)), QStringLiteral("a%1b").arg(c),
              "Le nom d'un répertoire ne peut comporter aucun de ces caractères :\n\\ / : * ? \" "
              "< >");
    ligne("nouveau, ..", "..",
          "Le nom d'un répertoire ne peut commencer par un point : « . » et « .. » sont réservés, "
          "et les autres noms seraient cachés.");
    ligne("nouveau, 256 octets", QString(256, 'n'),
          "Ce nom est trop long : le nom d'un répertoire ne peut dépasser 255 octets.");
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
        b.dialogues.attendreDossier(nom.isEmpty() ? "" : parent);
    else
        b.dialogues.attendreMessages(
            {(nom == "non" ? "non:Renommer " : "oui:Renommer ") + ancien + " ?"});
    if (nom != "non" && !(creer && nom.isEmpty()))
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
    const QStringList a{"A.jpg"}, ab{"A.jpg", "B.jpg"}, abc{"A.jpg", "B.jpg", "C.jpg"}, rien;
    const QStringList am{"A.jpg   [M]"}, abm{"A.jpg   [M]", "B.jpg   [M]"}, l{Longue};
    const QStringList coupure{"A.jpg", "a\nb.jpg"};
    const QString perdu = Plein + "\n\n%1/A.jpg\nNo such file or directory";
    const QString trop = "Le nom de ce fichier est trop long pour le nom de sa copie (255 octets "
                         "au plus) :\n\nCopie de " +
                         Longue +
                         "\n\nRaccourcissez-le d'abord. Rien n'a été fait pour ce fichier.";
    QTest::newRow("copie marquée") << Collage{a, "copier M", rien, "", "", a, am};
    QTest::newRow("couper entre volumes")
        << Collage{coupure, "couper", rien, "autre volume", "", rien, coupure};
    QTest::newRow("disque plein entre volumes") << Collage{
        a, "couper", rien, "contenu", Plein + "\n\n%1/A.jpg\nRefus à l'étape « contenu »", a, rien};
    QTest::newRow("source supprimée")
        << Collage{ab, "copier", rien, "source supprimée", perdu, ab.mid(1), rien};
    QTest::newRow("nom trop long pour sa copie") << Collage{l, "copier", l, "", trop, l, l};
    QTest::newRow("dossier de copie annulé") << Collage{a, "copier", rien, "annulé", "", a, rien};
    QTest::newRow("annulé en cours")
        << Collage{abc, "copier M", rien, "annulé en cours", "", abc, abm};
}

void TstDossiers::coller() {
    QFETCH(Collage, c);
    Banc b;
    const QString copie = b.racine() + "/copie";
    for (const QString& nom : c.deja)
        Banc::creerFichier(copie + "/" + nom, "déjà là : " + nom.toUtf8());
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
    if (c.accident == "source supprimée")
        QFile::remove(b.photos() + "/A.jpg");
    b.dialogues.attendreFenetre("FrmDos", [&](QDialog& d) {
        d.findChild<QListWidget*>("LstDos")->setCurrentRow(0);
        cliquer(d, c.accident == "annulé" ? "CmdAnnule" : "CmdOK");
        return d.result();
    });
    if (!c.message.isEmpty())
        b.dialogues.attendreMessage(QString(c.message).replace("%1", b.photos()));
    m.article("mnuCollerDos")->trigger();

    QCOMPARE(nomsSurDisque(b.photos()), c.photos);
    QCOMPARE(nomsSurDisque(copie), c.copie);
    QCOMPARE(QDir(copie).entryList(QDir::Hidden | QDir::Files).size(), c.copie.size());
    if (c.accident != "source supprimée")
        QCOMPARE(perdus(avant, {b.photos(), copie}), QStringList());
    // The list shows the folder open afterwards: the copy folder after a paste into it.
    const bool dansCopie = c.message.isEmpty() && c.accident != "annulé";
    QCOMPARE(entrees(f).size(), (dansCopie ? c.copie : c.photos).size());
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
    QTest::newRow("un, touche Suppr") << Suppression{3, {"f3.jpg"}, {"oui:"}, deux};
    QTest::newRow("lecture seule gardée")
        << Suppression{3, deux, {"oui:", "non:" + seule}, {"f2.jpg", "f3.jpg"}};
    QTest::newRow("lecture seule jetée")
        << Suppression{3, deux, {"oui:", "oui:" + seule}, {"f3.jpg"}};
    const QString sansCorbeille = "Impossible de supprimer des fichiers sur un support "
                                  "\"disque.\"\n\n%1/f1.jpg\nPas de corbeille sur ce volume";
    QTest::newRow("pas de corbeille") << Suppression{3, deux, {"oui:", sansCorbeille}, tous};
    QTest::newRow("vingt mille") << Suppression{20000, {"*"}, {"oui:"}, {}};
}

void TstDossiers::supprimer() {
    QFETCH(Suppression, s);
    Banc b;
    QStringList fichiers;
    for (int i = 1; i <= s.nombre; ++i)
        fichiers.append(QStringLiteral("f%1.jpg").arg(i));
    FenetreOuverte w(b, fichiers);
    FrmPhoto& f = w.f;
    if (s.nombre == 3)
        QFile::setPermissions(b.photos() + "/f2.jpg", QFileDevice::ReadOwner);
    s.choisis == QStringList{"*"} ? f.LstFF->selectAll() : choisir(f, s.choisis);
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
    if (s.nombre == 20000)
        QVERIFY(b.dialogues.vues().first().texte.endsWith(".jpg\n\net  19985 autres ..."));
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstDossiers)
#include "tst_dossiers.moc"
