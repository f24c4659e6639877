// Copy, cut and paste of files, and their deletion to the trash, through the file list's
// menu: the files on disk, their contents and the messages.
#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class TstCollage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void coller_data();
    void coller();
    void supprimer_data();
    void supprimer();
};

namespace {

const QString Plein =
    QStringLiteral("Impossible de coller des fichiers sur un support \"disque.\"");
const QString Longue = QString(247, QLatin1Char('n')) + ".jpg";

// FrmDos in copy mode: the first copy folder is chosen.
int choisirPremier(QDialog& d) {
    d.findChild<QListWidget*>("LstDos")->setCurrentRow(0);
    d.findChild<QPushButton*>("CmdOK")->click();
    return d.result();
}

} // namespace

void TstCollage::coller_data() {
    QTest::addColumn<QStringList>("fichiers"); // all of them chosen
    QTest::addColumn<QString>("action");   // copier or couper; "ici": the open folder; "M": marked
    QTest::addColumn<QStringList>("deja"); // files of the copy folder
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
    const QStringList a{"A.jpg"}, am{"A.jpg   [M]"}, abc{"A.jpg", "B.jpg", "C.jpg"}, rien;
    const QString refus = Plein + "\n\n%1/A.jpg\nRefus à l'étape « %2 »";
    ligne("copie marquée", a, "copier M", rien, "", "", a, am);
    ligne("copie non marquée", a, "copier", rien, "", "", a, a);
    ligne("nom pris", a, "copier M", a, "", "", a, {"A.jpg", "Copie de A.jpg   [M]"});
    ligne("marqué une fois", am, "copier M", rien, "", "", am, am);
    ligne("la deuxième a déjà sa copie", abc, "copier M", {"B.jpg", "Copie de B.jpg   [M]"}, "",
          "Ce fichier a déjà une copie !", abc, {"A.jpg   [M]", "B.jpg", "Copie de B.jpg   [M]"});
    ligne("couper entre volumes", {"A.jpg", "a\nb.jpg"}, "couper", rien, "autre volume", "", rien,
          {"A.jpg", "a\nb.jpg"});
    ligne("dossier en lecture seule", a, "copier", rien, "temporaire",
          refus.arg("%1", "temporaire"), a, rien);
    ligne("disque plein entre volumes", a, "couper", rien, "contenu", refus.arg("%1", "contenu"), a,
          rien);
    ligne("source supprimée", {"A.jpg", "B.jpg"}, "copier", rien, "source supprimée",
          Plein + "\n\n%1/A.jpg\nNo such file or directory", {"B.jpg"}, rien);
    ligne("nom trop long pour sa copie", {Longue}, "copier", {Longue}, "",
          "Le nom de ce fichier est trop long pour le nom de sa copie (255 octets au plus) :\n\n"
          "Copie de " +
              Longue + "\n\nRaccourcissez-le d'abord. Rien n'a été fait pour ce fichier.",
          {Longue}, {Longue});
    ligne("destination supprimée", a, "copier", rien, "destination supprimée",
          Plein + "\n\n%1/A.jpg\nNo such file or directory", a, rien);
    ligne("clic avant le collage", a, "copier ici", rien, "clic", "", a, rien);
    ligne("dossier de copie annulé", a, "copier", rien, "annulé", "", a, rien);
    ligne("annulé en cours", abc, "copier M", rien, "annulé en cours", "", abc,
          {"A.jpg   [M]", "B.jpg   [M]"});
}

void TstCollage::coller() {
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
    const bool ailleurs = !action.contains("ici");
    w.etat.options.MarquerCopies = action.endsWith("M") ? 1 : 0;
    const QStringList avant = contenus(b.photos()) + contenus(copie);
    b.fichiers.autreVolume = accident == "autre volume" || accident == "contenu";
    if (accident == "temporaire" || accident == "contenu")
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
    QVERIFY(m.article("mnuCollerDos")->isEnabled());
    if (accident == "clic")
        f.SelectionnerEntree(0);
    if (accident == "source supprimée")
        QFile::remove(b.photos() + "/A.jpg");
    if (ailleurs)
        b.dialogues.attendreFenetre("FrmDos", [&](QDialog& d) {
            if (accident == "annulé")
                d.findChild<QPushButton*>("CmdAnnule")->click();
            const int r = accident == "annulé" ? d.result() : choisirPremier(d);
            // Chosen, then gone before the paste.
            if (accident == "destination supprimée")
                QDir(copie).removeRecursively();
            return r;
        });
    if (!message.isEmpty())
        b.dialogues.attendreMessage(QString(message).replace("%1", b.photos()));
    m.article(ailleurs ? "mnuCollerDos" : "mnuCollerRep")->trigger();

    QCOMPARE(nomsSurDisque(b.photos()), photosApres);
    QCOMPARE(nomsSurDisque(copie), copieApres);
    QCOMPARE(QDir(copie).entryList(QDir::Hidden | QDir::Files).size(), copieApres.size());
    if (accident != "source supprimée")
        QCOMPARE(perdus(avant, {b.photos(), copie}), QStringList());
    // The list shows the folder open afterwards: the copy folder after a paste into it.
    const bool dansCopie = ailleurs && message.isEmpty() && accident != "annulé";
    QCOMPARE(entrees(f).size(), (dansCopie ? copieApres : photosApres).size());
    QCOMPARE(m.article("mnuCollerDos")->isEnabled(), action.startsWith("copier ici"));
    QCOMPARE(vu, accident == "annulé en cours" ? "Fichier 2 sur 3 / 5  octets sur 15  octets" : "");
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstCollage::supprimer_data() {
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

void TstCollage::supprimer() {
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
    const QStringList avant = contenus(b.photos());
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
    QCOMPARE(entrees(f).size(), reste.size());
    QCOMPARE(f.LblDirName->text(),
             QStringLiteral("Répertoire ouvert : %1 fichier(s)").arg(reste.size()));
    QCOMPARE(perdus(avant, {b.photos(), corbeille()}), QStringList());
    // A read-only file goes to the trash as it was.
    if (QFile::exists(corbeille() + "/f2.jpg"))
        QVERIFY(!(QFile::permissions(corbeille() + "/f2.jpg") & QFileDevice::WriteOwner));
    if (nombre == 20000)
        QVERIFY(b.dialogues.vues().first().texte.endsWith(".jpg\n\net  19985 autres ..."));
    QCOMPARE(b.dialogues.vues().first().titre, QString("  Suppression de fichiers"));
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstCollage)
#include "tst_collage.moc"
