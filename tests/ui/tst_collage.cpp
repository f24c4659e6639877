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

namespace {

struct Collage {
    QStringList fichiers; // all of them chosen
    QString action;       // copier or couper; "ici": the open folder; "M": marked
    QStringList deja;     // files of the copy folder
    QString accident;
    QString message; // %1 is the photo folder
    QStringList photosApres, copieApres;
};

struct Suppression {
    int nombre;
    QStringList choisis, boites; // %1 is the photo folder; f2.jpg is read-only
    QStringList reste;
};

const QString Plein =
    QStringLiteral("Impossible de coller des fichiers sur un support \"disque.\"");
const QString Longue = QString(247, QLatin1Char('n')) + ".jpg";

} // namespace

Q_DECLARE_METATYPE(Collage)
Q_DECLARE_METATYPE(Suppression)

class TstCollage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void coller_data();
    void coller();
    void supprimer_data();
    void supprimer();
};

void TstCollage::coller_data() {
    QTest::addColumn<Collage>("c");
    const QStringList a{"A.jpg"}, am{"A.jpg   [M]"}, abc{"A.jpg", "B.jpg", "C.jpg"}, rien;
    const QString refus = Plein + "\n\n%1/A.jpg\nRefus à l'étape « %2 »";
    const QString absent = Plein + "\n\n%1/A.jpg\nNo such file or directory";
    QTest::newRow("copie marquée") << Collage{a, "copier M", rien, "", "", a, am};
    QTest::newRow("copie non marquée") << Collage{a, "copier", rien, "", "", a, a};
    QTest::newRow("nom pris") << Collage{
        a, "copier M", a, "", "", a, {"A.jpg", "Copie de A.jpg   [M]"}};
    QTest::newRow("marqué une fois") << Collage{am, "copier M", rien, "", "", am, am};
    QTest::newRow("la deuxième a déjà sa copie")
        << Collage{abc,
                   "copier M",
                   {"B.jpg", "Copie de B.jpg   [M]"},
                   "",
                   "Ce fichier a déjà une copie !",
                   abc,
                   {"A.jpg   [M]", "B.jpg", "Copie de B.jpg   [M]"}};
    QTest::newRow("couper entre volumes") << Collage{
        {"A.jpg", "a\nb.jpg"}, "couper", rien, "autre volume", "", rien, {"A.jpg", "a\nb.jpg"}};
    QTest::newRow("dossier en lecture seule")
        << Collage{a, "copier", rien, "temporaire", refus.arg("%1", "temporaire"), a, rien};
    QTest::newRow("disque plein entre volumes")
        << Collage{a, "couper", rien, "contenu", refus.arg("%1", "contenu"), a, rien};
    QTest::newRow("source supprimée")
        << Collage{{"A.jpg", "B.jpg"}, "copier", rien, "source supprimée", absent, {"B.jpg"}, rien};
    QTest::newRow("nom trop long pour sa copie")
        << Collage{{Longue},
                   "copier",
                   {Longue},
                   "",
                   "Le nom de ce fichier est trop long pour le nom de sa copie (255 octets au "
                   "plus) :\n\nCopie de " +
                       Longue + "\n\nRaccourcissez-le d'abord. Rien n'a été fait pour ce fichier.",
                   {Longue},
                   {Longue}};
    QTest::newRow("destination supprimée")
        << Collage{a, "copier", rien, "destination supprimée", absent, a, rien};
    QTest::newRow("clic avant le collage") << Collage{a, "copier ici", rien, "clic", "", a, rien};
    QTest::newRow("dossier de copie annulé") << Collage{a, "copier", rien, "annulé", "", a, rien};
    QTest::newRow("annulé en cours") << Collage{
        abc, "copier M", rien, "annulé en cours", "", abc, {"A.jpg   [M]", "B.jpg   [M]"}};
}

void TstCollage::coller() {
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
    const bool ailleurs = !c.action.contains("ici");
    w.etat.options.MarquerCopies = c.action.endsWith("M") ? 1 : 0;
    const QStringList avant = contenus(b.photos()) + contenus(copie);
    b.fichiers.autreVolume = c.accident == "autre volume" || c.accident == "contenu";
    if (c.accident == "temporaire" || c.accident == "contenu")
        b.fichiers.refuserEtape = c.accident;

    // Half a second into the second file the progress shows, and the user cancels: the file
    // under way is finished, what was pasted stays and is listed.
    QString vu;
    if (c.accident == "annulé en cours")
        b.fichiers.avantCopie = [&](const QString& source) {
            b.horloge.declencher();
            auto* fenetre = f.findChild<QDialog*>("FrmProgression");
            if (!source.endsWith("B.jpg") || !fenetre->isVisible())
                return;
            vu = fenetre->findChild<QLabel*>("LblFichiers")->text() + " / " +
                 fenetre->findChild<QLabel*>("LblOctets")->text();
            QTest::mouseClick(fenetre->findChild<QPushButton*>("CmdAnnule"), Qt::LeftButton);
        };
    choisir(f, c.fichiers);
    m.article(c.action.startsWith("copier") ? "mnuCopier" : "mnuCouper")->trigger();
    if (c.accident == "clic")
        f.SelectionnerEntree(0);
    if (c.accident == "source supprimée")
        QFile::remove(b.photos() + "/A.jpg");
    // In FrmDos the first copy folder is chosen (and, in one row, is gone before the paste).
    if (ailleurs)
        b.dialogues.attendreFenetre("FrmDos", [&](QDialog& d) {
            d.findChild<QListWidget*>("LstDos")->setCurrentRow(0);
            d.findChild<QPushButton*>(c.accident == "annulé" ? "CmdAnnule" : "CmdOK")->click();
            if (c.accident == "destination supprimée")
                QDir(copie).removeRecursively();
            return d.result();
        });
    if (!c.message.isEmpty())
        b.dialogues.attendreMessage(QString(c.message).replace("%1", b.photos()));
    m.article(ailleurs ? "mnuCollerDos" : "mnuCollerRep")->trigger();

    QCOMPARE(nomsSurDisque(b.photos()), c.photosApres);
    QCOMPARE(nomsSurDisque(copie), c.copieApres);
    QCOMPARE(QDir(copie).entryList(QDir::Hidden | QDir::Files).size(), c.copieApres.size());
    if (c.accident != "source supprimée")
        QCOMPARE(perdus(avant, {b.photos(), copie}), QStringList());
    // The list shows the folder open afterwards: the copy folder after a paste into it.
    const bool dansCopie = ailleurs && c.message.isEmpty() && c.accident != "annulé";
    QCOMPARE(entrees(f).size(), (dansCopie ? c.copieApres : c.photosApres).size());
    QCOMPARE(m.article("mnuCollerDos")->isEnabled(), c.action.startsWith("copier ici"));
    QCOMPARE(vu,
             c.accident == "annulé en cours" ? "Fichier 2 sur 3 / 5  octets sur 15  octets" : "");
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstCollage::supprimer_data() {
    QTest::addColumn<Suppression>("s");
    const QStringList tous{"f1.jpg", "f2.jpg", "f3.jpg"}, deux{"f1.jpg", "f2.jpg"};
    const QString seule = "%1/f2.jpg est en lecture seule.\nVoulez-vous quand même le supprimer ?";
    QTest::newRow("rien de choisi")
        << Suppression{3, {}, {"Aucun fichier à supprimer n'est sélectionné !"}, tous};
    QTest::newRow("un, touche Suppr") << Suppression{3, {"f3.jpg"}, {"oui:"}, deux};
    QTest::newRow("lecture seule gardée")
        << Suppression{3, deux, {"oui:", "non:" + seule}, {"f2.jpg", "f3.jpg"}};
    QTest::newRow("lecture seule jetée")
        << Suppression{3, deux, {"oui:", "oui:" + seule}, {"f3.jpg"}};
    QTest::newRow("pas de corbeille")
        << Suppression{3,
                       deux,
                       {"oui:", "Impossible de supprimer des fichiers sur un support "
                                "\"disque.\"\n\n%1/f1.jpg\nPas de corbeille sur ce volume"},
                       tous};
    QTest::newRow("vingt mille") << Suppression{20000, {"*"}, {"oui:"}, {}};
}

void TstCollage::supprimer() {
    QFETCH(Suppression, s);
    Banc b;
    QStringList fichiers;
    for (int i = 1; i <= s.nombre; ++i)
        fichiers.append(QStringLiteral("f%1.jpg").arg(i));
    FenetreOuverte w(b, fichiers);
    FrmPhoto& f = w.f;
    const QStringList avant = contenus(b.photos());
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
    QCOMPARE(entrees(f), s.reste);
    QCOMPARE(perdus(avant, {b.photos(), corbeille()}), QStringList());
    // A read-only file goes to the trash as it was.
    if (QFile::exists(corbeille() + "/f2.jpg"))
        QVERIFY(!(QFile::permissions(corbeille() + "/f2.jpg") & QFileDevice::WriteOwner));
    if (s.nombre == 20000)
        QVERIFY(b.dialogues.vues().first().texte.endsWith(".jpg\n\net  19985 autres ..."));
    QCOMPARE(b.dialogues.vues().first().titre, QString("  Suppression de fichiers"));
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstCollage)
#include "tst_collage.moc"
