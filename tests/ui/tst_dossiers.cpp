// Favourite and copy folders, new and renamed folders, the user's editors, and the copy, cut,
// paste and deletion of files through the file list's menu: the lists on disk, the folders
// made or renamed, the programs started, the files and their contents, and the messages.
#include "apercuphoto.h"
#include "banc.h"
#include "etatprogramme.h"
#include "favoris.h"
#include "frmphoto.h"
#include "frmzoom.h"
#include "gestiondossiers.h"
#include "gestionfichiers.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
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

QString info(const QString& texte) {
    return "INFO\n ________\n\n" + texte;
}

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

} // namespace

void TstDossiers::favorisCopiesEtEditeurs() {
    Banc b;
    const QString photo = "-rf \"p\" $(x).jpg", chemin = b.photos() + "/" + photo;
    FenetreOuverte w(b, {photo, "b.jpg"});
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    const QString p = b.photos(), autre = b.racine() + "/autre", coupe = b.racine() + "/a\nb";
    const QString favoris = b.programme() + "/Favoris.ini", dos = b.programme() + "/Dos.ini";
    QDir().mkpath(autre);
    QDir().mkpath(coupe);
    b.dialogues.attendreSaisie(Invite, "Été & co");
    m.article("MnuMarquer")->trigger();
    b.dialogues.attendreMessage("Répertoire déjà inscrit dans la liste des favoris !");
    m.article("MnuMarquer")->trigger();
    QVERIFY(f.DefinirCheminDossier(autre));
    b.dialogues.attendreSaisie(Invite, ""); // cancelled: named by its path
    m.article("MnuMarquer")->trigger();
    // A folder whose path holds a line break cannot go into a line file.
    QVERIFY(f.DefinirCheminDossier(coupe));
    b.dialogues.attendreMessage("Ce nom ou ce chemin contient un retour à la ligne :\n\n" + coupe +
                                "\n\nIl ne peut être inscrit dans la liste.");
    m.article("MnuMarquer")->trigger();
    QCOMPARE(Banc::lire(favoris),
             ("Été & co\r\n" + p + "\r\n" + autre + "\r\n" + autre + "\r\n").toUtf8());
    QCOMPARE(favorisDuMenu(f), QStringList({"Été && co → " + p, autre + " → " + autre}));
    m.article("mnuFavoris(1)")->trigger();
    QCOMPARE(f.CheminDossier(), p);
    QDir(autre).removeRecursively();
    b.dialogues.attendreMessage("Le chemin de ce répertoire a été modifié !");
    m.article("mnuFavoris(2)")->trigger();
    QCOMPARE(f.CheminDossier(), p);

    QString vu;
    // Organised: the first "Supprimer" offers to clear all, the next ones the entry chosen; a
    // name already listed is refused; nothing is written before "Valider".
    b.dialogues.attendreFenetre("FrmDos", [&](QDialog& d) {
        b.dialogues.attendreMessages({"non:Effacer tous les dossiers ?",
                                      "Quel est le répertoire à supprirmer de la liste ?",
                                      "oui:Supprimer vraiment " + autre + " ?"});
        b.dialogues.attendreDossier(b.photos());
        b.dialogues.attendreSaisie(Invite, "Été & co");
        b.dialogues.attendreMessage(
            info("Ce nom, ou ce répertoire, est déjà présent dans la liste !"));
        vu = d.findChild<QPushButton*>("CmdParcourir")->text();
        cliquer(d, "CmdSupprimer");
        cliquer(d, "CmdSupprimer");
        d.findChild<QListWidget*>("LstDos")->setCurrentRow(1);
        cliquer(d, "CmdSupprimer");
        cliquer(d, "CmdParcourir");
        vu += QString::number(Banc::lire(favoris).count('\n'));
        cliquer(d, "CmdOK");
        return d.result();
    });
    m.article("mnuOrganiser")->trigger();
    QCOMPARE(vu, QString("Ajouter ...4"));
    QCOMPARE(Banc::lire(favoris), ("Été & co\r\n" + p + "\r\n").toUtf8());
    QCOMPARE(favorisDuMenu(f), QStringList({"Été && co → " + p}));

    // Copy folders: a folder gone is dropped from the list when chosen; a sub-folder can be
    // made on the way.
    const QString x = b.racine() + "/x/";
    QDir().mkpath(x + "Nouveau");
    Banc::creerFichier(dos, "/disparu/\r\n");
    b.dialogues.attendreFenetre("FrmDos", [&](QDialog& d) {
        b.dialogues.attendreMessages({"Aucun dossier n'a été sélectionné !",
                                      "Ce répertoire n'existe pas (ou plus). Il doit être supprimé "
                                      "de la liste."});
        cliquer(d, "CmdOK");
        d.findChild<QListWidget*>("LstDos")->setCurrentRow(0);
        cliquer(d, "CmdOK");
        vu = Banc::lire(dos) + d.findChild<QPushButton*>("CmdParcourir")->text();
        for (const auto& [sous, reponse] :
             {std::pair{"   ", info("Aucun sous répertoire ne sera créé !")},
              {"", info("Ce répertoire est déjà présent dans la liste !")},
              {"Nouveau", info("Ce répertoire existe déjà !")},
              {"sous", ""}}) {
            b.dialogues.attendreDossier(x.chopped(1));
            b.dialogues.attendreMessage("Voulez-vous créer un sous répertoire dans \n" + x + " ?",
                                        *sous ? Dialogues::Reponse::Oui : Dialogues::Reponse::Non);
            if (*sous)
                b.dialogues.attendreSaisie({}, sous);
            if (!reponse.isEmpty())
                b.dialogues.attendreMessage(reponse);
            cliquer(d, "CmdParcourir");
        }
        cliquer(d, "CmdOK");
        return d.result();
    });
    QCOMPARE(f.gestionFichiers().favoris().ChoisirDossierCopie(), x + "sous/");
    QCOMPARE(vu, QString("Parcourir ..."));
    QCOMPARE(Banc::lire(dos), (x + "\r\n" + x + "sous/\r\n").toUtf8());
    VERIFIER_DIALOGUES(b.dialogues);

    // The user's editors: chosen, started, removed.
    b.dialogues.effacer();
    const QString outils = b.racine() + "/outils/";
    const QString retouche = Banc::creerFichier(outils + "Retouche.AppImage");
    const QString bizarre = Banc::creerFichier(outils + "-x \"a\" $(rm -rf).sh");
    const QString editer = b.programme() + "/Editer.ini";
    for (const auto& [programme, nom] :
         {std::pair{retouche, "Retouche"}, {bizarre, "Outil & $(x)"}, {QString(), ""}}) {
        b.dialogues.attendreProgramme(programme);
        if (!programme.isEmpty())
            b.dialogues.attendreSaisie("Donnez un nom au programme choisi :", nom);
        m.article("mnuChoisir")->trigger();
    }
    QCOMPARE(Banc::lire(editer),
             ("Retouche\r\n" + retouche + "\r\nOutil & $(x)\r\n" + bizarre + "\r\n").toUtf8());
    QCOMPARE(m.article("mnuProg(2)")->text(), QString("Outil && $(x)"));

    // The preview's right click shows the programs only.
    choisir(f, {photo});
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
    QCOMPARE(montres, QStringList({"mnuProg(0)", "mnuProg(1)", "mnuProg(2)"}));
    QVERIFY(m.article("mnuChoisir")->isVisible());

    // Started with the file as their one argument, never through a shell; a program gone
    // from the disk starts nothing.
    m.article("mnuProg(2)")->trigger();
    m.article("mnuEdDef")->trigger();
    QFile::remove(retouche);
    b.dialogues.attendreMessages({"Ce programme n'existe plus :\n" + retouche +
                                      "\n\nRetirez-le de la liste avec « Supprimer un programme ».",
                                  "Ce menu ne peut s'appliquer qu'à un seul fichier !"});
    m.article("mnuProg(1)")->trigger();
    choisir(f, {photo, "b.jpg"});
    m.article("mnuEdDef")->trigger();
    QCOMPARE(b.shell.lances, QList<QStringList>({{bizarre, chemin}}));
    QCOMPARE(b.shell.ouverts, QStringList({chemin}));
    // The enlarged view's menu lists the same programs after its own entry 0.
    QMenu zoom;
    f.apercu().Zoom().RemplirEditeurs(zoom, chemin);
    QCOMPARE(zoom.actions().at(1)->objectName(), QString("mnuOuvrir(2)"));
    zoom.actions().at(1)->trigger();
    QCOMPARE(b.shell.lances.last(), QStringList({bizarre, chemin}));

    // Removal: entry 0 stays; a No asks about another; the last removal turns the item off.
    b.dialogues.attendreMessages({"Cliquez sur le programme à supprimer."});
    b.dialogues.attendreMenu("mnuEdit", "mnuProg(0)");
    b.dialogues.attendreMessages({"oui:Supprimer Editeur du fichier par défaut ?",
                                  "Ce premier programme ne peut être effacé !"});
    m.article("mnuSupp")->trigger();
    b.dialogues.attendreMessages(
        {"non:Supprimer Retouche ?", "oui:Supprimer un autre programme ?"});
    b.dialogues.attendreMenu("mnuEdit", "mnuProg(1)");
    b.dialogues.attendreMessages({"oui:Supprimer Retouche ?",
                                  "Pour supprimer un autre programme, cliquez à nouveau sur le "
                                  "menu 'Supprimer'."});
    m.article("mnuProg(1)")->trigger();
    QCOMPARE(Banc::lire(editer), ("Outil & $(x)\r\n" + bizarre + "\r\n").toUtf8());
    b.dialogues.attendreMessages({"Cliquez sur le programme à supprimer."});
    b.dialogues.attendreMenu("mnuEdit", "mnuProg(1)");
    b.dialogues.attendreMessages({"oui:Supprimer Outil & $(x) ?"});
    m.article("mnuSupp")->trigger();
    QCOMPARE(Banc::lire(editer), QByteArray());
    QVERIFY(!m.article("mnuSupp")->isEnabled() && !m.article("mnuProg(1)"));
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
    ligne("nouveau, espaces seuls", "   ", "");
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
    ligne("renommer, saisie annulée", "", "");
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
    f.LstFF->setFocus();
    QTest::mouseClick(creer ? f.axBNouvRep : f.axBRep, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);

    // The new folder is made and opened, or nothing is. The renamed folder is open under its
    // new name; history, favourites and copy folders follow it.
    const QString ouvert = fait ? nouveau : ancien;
    QCOMPARE(f.CheminDossier(), ouvert);
    QCOMPARE(f.focusWidget(), f.TxtFileName);
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
    QCOMPARE(entrees(f), QStringList({"a.jpg"}));
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
    QTest::addColumn<QStringList>("fichiers"); // all of them chosen
    QTest::addColumn<QString>("action");       // copier or couper; "M": marked
    QTest::addColumn<QStringList>("deja");     // files of the copy folder
    QTest::addColumn<QString>("accident");
    QTest::addColumn<QString>("message"); // %1 is the photo folder
    QTest::addColumn<QStringList>("photosApres");
    QTest::addColumn<QStringList>("copieApres");
    auto ligne = [](const char* nom, const QStringList& fichiers, const char* action,
                    const QStringList& deja, const char* accident, const QString& message,
                    const QStringList& photos, const QStringList& copie) {
        QTest::newRow(nom) << fichiers << QString(action) << deja << QString(accident) << message
                           << photos << copie;
    };
    const QStringList a{"A.jpg"}, abc{"A.jpg", "B.jpg", "C.jpg"}, rien;
    ligne("copie marquée", a, "copier M", rien, "", "", a, {"A.jpg   [M]"});
    ligne("copie non marquée", a, "copier", rien, "", "", a, a);
    ligne("couper entre volumes", {"A.jpg", "a\nb.jpg"}, "couper", rien, "autre volume", "", rien,
          {"A.jpg", "a\nb.jpg"});
    ligne("disque plein entre volumes", a, "couper", rien, "contenu",
          Plein + "\n\n%1/A.jpg\nRefus à l'étape « contenu »", a, rien);
    ligne("source supprimée", {"A.jpg", "B.jpg"}, "copier", rien, "source supprimée",
          Plein + "\n\n%1/A.jpg\nNo such file or directory", {"B.jpg"}, rien);
    ligne("nom trop long pour sa copie", {Longue}, "copier", {Longue}, "",
          "Le nom de ce fichier est trop long pour le nom de sa copie (255 octets au plus) :\n\n"
          "Copie de " +
              Longue + "\n\nRaccourcissez-le d'abord. Rien n'a été fait pour ce fichier.",
          {Longue}, {Longue});
    ligne("dossier de copie annulé", a, "copier", rien, "annulé", "", a, rien);
    ligne("annulé en cours", abc, "copier M", rien, "annulé en cours", "", abc,
          {"A.jpg   [M]", "B.jpg   [M]"});
}

void TstDossiers::coller() {
    QFETCH(QStringList, fichiers);
    QFETCH(QString, action);
    QFETCH(QStringList, deja);
    QFETCH(QString, accident);
    QFETCH(QString, message);
    QFETCH(QStringList, photosApres);
    QFETCH(QStringList, copieApres);
    Banc b;
    const QString copie = b.racine() + "/copie";
    for (const QString& nom : deja)
        Banc::creerFichier(copie + "/" + nom, "déjà là : " + nom.toUtf8());
    QDir().mkpath(copie);
    Banc::creerFichier(b.programme() + "/Dos.ini", (copie + "/\r\n").toUtf8());
    FenetreOuverte w(b, fichiers);
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    w.etat.options.MarquerCopies = action.endsWith("M") ? 1 : 0;
    const QStringList avant = contenus(b.photos()) + contenus(copie);
    b.fichiers.autreVolume = accident == "autre volume" || accident == "contenu";
    if (accident == "contenu")
        b.fichiers.refuserEtape = accident;

    // Half a second into the second file the progress shows, and the user cancels: the file
    // under way is finished, what was pasted stays and is listed.
    QString vu;
    if (accident == "annulé en cours")
        b.fichiers.avantCopie = [&](const QString& source) {
            b.horloge.declencher();
            auto* fenetre = f.findChild<QDialog*>("FrmProgression");
            if (!source.endsWith("B.jpg") || !fenetre->isVisible())
                return;
            vu = fenetre->findChild<QLabel*>("LblFichiers")->text() + " / " +
                 fenetre->findChild<QLabel*>("LblOctets")->text();
            QTest::mouseClick(fenetre->findChild<QPushButton*>("CmdAnnule"), Qt::LeftButton);
        };
    choisir(f, fichiers);
    m.article(action.startsWith("copier") ? "mnuCopier" : "mnuCouper")->trigger();
    if (accident == "source supprimée")
        QFile::remove(b.photos() + "/A.jpg");
    b.dialogues.attendreFenetre("FrmDos", [&](QDialog& d) {
        d.findChild<QListWidget*>("LstDos")->setCurrentRow(0);
        cliquer(d, accident == "annulé" ? "CmdAnnule" : "CmdOK");
        return d.result();
    });
    if (!message.isEmpty())
        b.dialogues.attendreMessage(QString(message).replace("%1", b.photos()));
    m.article("mnuCollerDos")->trigger();

    QCOMPARE(nomsSurDisque(b.photos()), photosApres);
    QCOMPARE(nomsSurDisque(copie), copieApres);
    QCOMPARE(QDir(copie).entryList(QDir::Hidden | QDir::Files).size(), copieApres.size());
    if (accident != "source supprimée")
        QCOMPARE(perdus(avant, {b.photos(), copie}), QStringList());
    // The list shows the folder open afterwards: the copy folder after a paste into it.
    const bool dansCopie = message.isEmpty() && accident != "annulé";
    QCOMPARE(entrees(f).size(), (dansCopie ? copieApres : photosApres).size());
    QVERIFY(!m.article("mnuCollerDos")->isEnabled());
    QCOMPARE(vu, accident == "annulé en cours" ? "Fichier 2 sur 3 / 5  octets sur 15  octets" : "");
    // Copied then deleted, the cut files are new files: there is nothing to take back.
    if (accident == "autre volume") {
        b.dialogues.attendreMessage("Aucun renommage à annuler.");
        QTest::keyClick(f.LstFF, Qt::Key_Z, Qt::ControlModifier);
    }
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDossiers::supprimer_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QStringList>("choisis");
    QTest::addColumn<QStringList>("boites"); // %1 is the photo folder; f2.jpg is read-only
    QTest::addColumn<QStringList>("reste");
    auto ligne = [](const char* nom, int nombre, const QStringList& choisis,
                    const QStringList& boites, const QStringList& reste) {
        QTest::newRow(nom) << nombre << choisis << boites << reste;
    };
    const QStringList tous{"f1.jpg", "f2.jpg", "f3.jpg"}, deux{"f1.jpg", "f2.jpg"};
    const QString seule = "%1/f2.jpg est en lecture seule.\nVoulez-vous quand même le supprimer ?";
    ligne("rien de choisi", 3, {}, {"Aucun fichier à supprimer n'est sélectionné !"}, tous);
    ligne("un, touche Suppr", 3, {"f3.jpg"}, {"oui:"}, deux);
    ligne("lecture seule gardée", 3, deux, {"oui:", "non:" + seule}, {"f2.jpg", "f3.jpg"});
    ligne("lecture seule jetée", 3, deux, {"oui:", "oui:" + seule}, {"f3.jpg"});
    ligne("pas de corbeille", 3, deux,
          {"oui:", "Impossible de supprimer des fichiers sur un support \"disque.\"\n\n%1/"
                   "f1.jpg\nPas de corbeille sur ce volume"},
          tous);
    ligne("vingt mille", 20000, {"*"}, {"oui:"}, {});
}

void TstDossiers::supprimer() {
    QFETCH(int, nombre);
    QFETCH(QStringList, choisis);
    QFETCH(QStringList, boites);
    QFETCH(QStringList, reste);
    Banc b;
    QStringList fichiers;
    for (int i = 1; i <= nombre; ++i)
        fichiers.append(QStringLiteral("f%1.jpg").arg(i));
    FenetreOuverte w(b, fichiers);
    FrmPhoto& f = w.f;
    if (nombre == 3)
        QFile::setPermissions(b.photos() + "/f2.jpg", QFileDevice::ReadOwner);
    choisis == QStringList{"*"} ? f.LstFF->selectAll() : choisir(f, choisis);
    b.fichiers.refuserCorbeille = QByteArray(QTest::currentDataTag()) == "pas de corbeille";
    b.dialogues.attendreMessages(boites.replaceInStrings("%1", b.photos()));
    if (choisis.size() == 1)
        QTest::keyClick(f.LstFF, Qt::Key_Delete);
    else
        f.menus().article("mnuDelete")->trigger();

    QCOMPARE(nomsSurDisque(b.photos()), reste);
    // A read-only file goes to the trash as it was.
    if (QFile::exists(corbeille() + "/f2.jpg"))
        QVERIFY(!(QFile::permissions(corbeille() + "/f2.jpg") & QFileDevice::WriteOwner));
    if (nombre == 20000)
        QVERIFY(b.dialogues.vues().first().texte.endsWith(".jpg\n\net  19985 autres ..."));
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstDossiers)
#include "tst_dossiers.moc"
