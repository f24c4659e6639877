#include "banc.h"
#include "deplacementpas.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "jpegexif.h"
#include "listefichiers.h"
#include "outilsfenetre.h"
#include "trichronologique.h"

#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include "magasintrisqlite.h"

#include <QToolButton>
#include <atomic>

namespace {

QString MessageBase(const QString& base) {
    return QStringLiteral("Impossible d'ouvrir ou d'écrire la base de tri \"%1\".\nLa liste n'a "
                          "pas été triée.")
        .arg(base);
}

// A sort table whose rows are changed behind the program's back, as a foreign file may.
void baseTruquee(const QString& chemin) {
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("truquee"));
    db.setDatabaseName(chemin);
    db.open();
    QSqlQuery q(db);
    q.exec(QStringLiteral("CREATE TABLE Tridate (Nom TEXT, Date TEXT)"));
    q.exec(QStringLiteral("CREATE TRIGGER t AFTER INSERT ON Tridate BEGIN UPDATE Tridate SET "
                          "Nom = '../victime.jpg' WHERE rowid = NEW.rowid; END"));
    q.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("truquee"));
}

} // namespace

class TstReordonner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deplacements();
    void tri();
    void triStableEtFichiersIlisibles();
    void triDUneSeuleEntree();
    void baseInutilisable_data();
    void baseInutilisable();
    void triConcurrent();
};

void TstReordonner::deplacements() {
    Banc b;
    for (const char* nom : {"A.jpg", "B.jpg", "C.jpg"})
        Banc::creerImage(b.photos() + "/" + nom);
    const QStringList avant = Banc::empreinte(b.photos());
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    QCOMPARE(entrees(f), QStringList({"A.jpg", "B.jpg", "C.jpg"}));
    QCOMPARE(f.ImgUp->toolTip(), QString("Déplacement du fichier vers le haut "));
    QCOMPARE(f.ImgDown->toolTip(), QString("Déplacement du fichier vers le bas "));

    f.SelectionnerEntree(1);
    f.LstFF->item(0)->setSelected(true);
    f.deplacementPas().Affiche_Fleches();
    QTest::mouseClick(f.ImgDown, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"A.jpg", "C.jpg", "B.jpg"}));
    QCOMPARE(selection(f), QStringList({"A.jpg", "B.jpg"}));
    QCOMPARE(f.LstFF->currentRow(), 2);
    QCOMPARE(w.etat.IndexCourant, 2);
    QVERIFY(f.ImgUp->isVisible());
    QVERIFY(!f.ImgDown->isVisible());

    QTest::mouseClick(f.ImgUp, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"A.jpg", "B.jpg", "C.jpg"}));
    QCOMPARE(selection(f), QStringList({"A.jpg", "B.jpg"}));
    QCOMPARE(w.etat.IndexCourant, 1);
    QVERIFY(f.ImgUp->isVisible());
    QVERIFY(f.ImgDown->isVisible());

    QTest::mouseClick(f.ImgUp, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"B.jpg", "A.jpg", "C.jpg"}));
    QCOMPARE(selection(f), QStringList({"B.jpg", "A.jpg"}));
    QCOMPARE(w.etat.IndexCourant, 0);
    QVERIFY(!f.ImgUp->isVisible());
    QVERIFY(f.ImgDown->isVisible());

    // At the top the hidden arrow's handler does nothing either.
    f.deplacementPas().ImgUp_Click();
    QCOMPARE(entrees(f), QStringList({"B.jpg", "A.jpg", "C.jpg"}));

    // One entry taken down to the bottom by repeated clicks; there too, nothing more.
    f.SelectionnerEntree(0);
    f.deplacementPas().Affiche_Fleches();
    for (int clic = 0; clic < 2; ++clic)
        QTest::mouseClick(f.ImgDown, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"A.jpg", "C.jpg", "B.jpg"}));
    QCOMPARE(selection(f), QStringList({"B.jpg"}));
    QVERIFY(!f.ImgDown->isVisible());
    f.deplacementPas().ImgDown_Click();
    QCOMPARE(entrees(f), QStringList({"A.jpg", "C.jpg", "B.jpg"}));
    QCOMPARE(w.etat.IndexCourant, 2);

    QCOMPARE(Banc::empreinte(b.photos()), avant);
    f.listeFichiers().CmdRefresh_Click();
    QCOMPARE(entrees(f), QStringList({"A.jpg", "B.jpg", "C.jpg"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstReordonner::tri() {
    Banc b;
    // The modification dates run the other way, so that taking them would misorder.
    JpegExif::creer(b.photos() + "/A.jpg", "2017:01:01 09:00:00", "2020:05:01 12:00:00");
    JpegExif::creer(b.photos() + "/B.jpg", {});
    JpegExif::creer(b.photos() + "/C.jpg", "2024:01:01 09:00:00", "2018:08:15 07:30:00");
    JpegExif::creer(b.photos() + "/D.jpg", {});
    const QStringList avant = Banc::empreinte(b.photos());
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    f.SelectionnerEntree(3);

    f.triChronologique().mnuTri_Click();
    QCOMPARE(entrees(f), QStringList({"C.jpg", "A.jpg", "B.jpg", "D.jpg"}));
    QCOMPARE(selection(f), QStringList({"C.jpg"}));
    QCOMPARE(f.LstFF->currentRow(), 0);
    QCOMPARE(w.etat.IndexCourant, 0);
    QVERIFY(f.cursor().shape() != Qt::WaitCursor);

    // The table holds one sort only: a second sort does not bring back the first's rows.
    f.listeFichiers().CmdRefresh_Click();
    f.triChronologique().mnuTri_Click();
    QCOMPARE(entrees(f), QStringList({"C.jpg", "A.jpg", "B.jpg", "D.jpg"}));

    QCOMPARE(Banc::empreinte(b.photos()), avant);
    QVERIFY(QFileInfo(w.etat.DossierDonnees + "/Date.mdb").isFile());
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstReordonner::triStableEtFichiersIlisibles() {
    Banc b;
    JpegExif::creer(b.photos() + "/x.jpg", "2019:07:20 09:00:00", "2019:07:12 08:00:00");
    JpegExif::creer(b.photos() + "/y.jpg", "2019:07:13 09:00:00", "2019:07:12 08:00:00");
    JpegExif::creer(b.photos() + "/z.jpg", "2019:07:14 10:20:30", "2019:07:11 23:59:59");
    Banc::creerFichier(b.photos() + "/vide.jpg", {});
    Banc::creerFichier(b.photos() + "/parti.jpg", "\xFF\xD8");
    Banc::creerFichier(b.photos() + "/son.mp3.jpg", "ID3\x03 TDRC 2019:07:11 23:00:00");
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    QCOMPARE(entrees(f),
             QStringList({"parti.jpg", "son.mp3.jpg", "vide.jpg", "x.jpg", "y.jpg", "z.jpg"}));
    QFile::remove(b.photos() + "/parti.jpg");
    // y goes above x by hand; the sort keeps that order between equal dates.
    f.SelectionnerEntree(4);
    f.deplacementPas().ImgUp_Click();

    f.triChronologique().mnuTri_Click();
    QCOMPARE(entrees(f),
             QStringList({"son.mp3.jpg", "z.jpg", "y.jpg", "x.jpg", "parti.jpg", "vide.jpg"}));
    QCOMPARE(selection(f), QStringList({"son.mp3.jpg"}));
}

void TstReordonner::triDUneSeuleEntree() {
    Banc b;
    JpegExif::creer(b.photos() + "/seule.jpg", {});
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    f.LstFF->clearSelection();
    f.triChronologique().mnuTri_Click();
    QCOMPARE(entrees(f), QStringList({"seule.jpg"}));
    QCOMPARE(selection(f), QStringList({"seule.jpg"}));

    // An empty list is left alone: the store is not even created.
    QFile::remove(b.photos() + "/seule.jpg");
    QFile::remove(w.etat.DossierDonnees + "/Date.mdb");
    f.listeFichiers().CmdRefresh_Click();
    f.triChronologique().mnuTri_Click();
    QCOMPARE(f.LstFF->count(), 0);
    QVERIFY(!QFile::exists(w.etat.DossierDonnees + "/Date.mdb"));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstReordonner::baseInutilisable_data() {
    QTest::addColumn<int>("cas");
    QTest::newRow("dossier des données disparu") << 0;
    QTest::newRow("Date.mdb qui n'est pas une base") << 1;
    QTest::newRow("base qui rend d'autres noms") << 2;
}

void TstReordonner::baseInutilisable() {
    QFETCH(int, cas);
    const bool dossierAbsent = cas == 0;
    Banc b;
    JpegExif::creer(b.photos() + "/A.jpg", "2020:05:01 12:00:00", "2020:05:01 12:00:00");
    JpegExif::creer(b.photos() + "/B.jpg", {});
    JpegExif::creer(b.photos() + "/C.jpg", "2018:08:15 07:30:00", "2018:08:15 07:30:00");
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    const QString base = w.etat.DossierDonnees + "/Date.mdb";
    const QByteArray ancienne("Standard Jet DB\0\0\0 des données d'autrefois", 42);
    if (dossierAbsent)
        QDir(w.etat.DossierDonnees).removeRecursively();
    else if (cas == 1)
        Banc::creerFichier(base, ancienne);
    else
        baseTruquee(base);
    const QStringList photos = Banc::empreinte(b.photos());
    f.SelectionnerEntree(1);
    f.LstFF->item(2)->setSelected(true);

    b.dialogues.attendreMessage(cas == 2 ? QStringLiteral("La base de tri \"%1\" a rendu des noms "
                                                          "qui ne sont pas ceux de la liste.\nLa "
                                                          "liste n'a pas été triée.")
                                               .arg(base)
                                         : MessageBase(base));
    f.triChronologique().mnuTri_Click();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues().last().icone, Dialogues::Icone::Exclamation);
    QCOMPARE(entrees(f), QStringList({"A.jpg", "B.jpg", "C.jpg"}));
    QCOMPARE(selection(f), QStringList({"B.jpg", "C.jpg"}));
    QCOMPARE(f.LstFF->currentRow(), 1);
    QVERIFY(f.cursor().shape() != Qt::WaitCursor);
    QCOMPARE(Banc::empreinte(b.photos()), photos);
    if (dossierAbsent)
        QVERIFY(!QFileInfo::exists(w.etat.DossierDonnees));
    else if (cas == 1)
        QCOMPARE(Banc::lire(base), ancienne);
}

void TstReordonner::triConcurrent() {
    // Two programs sorting at once through one file: each reads back its own names only.
    Banc b;
    const QString base = b.racine() + "/Date.mdb";
    std::atomic<int> melanges = 0;
    auto trieur = [&](const QString& prefixe) {
        return QThread::create([&, prefixe] {
            MagasinTriSqlite magasin(base);
            QList<MagasinTri::Ligne> lignes;
            QStringList attendus;
            for (int i = 0; i < 40; ++i) {
                lignes.append({prefixe + QString::number(i), QString()});
                attendus.append(prefixe + QString::number(i));
            }
            for (int tour = 0; tour < 25; ++tour) {
                QStringList lus;
                if (!magasin.Trier(lignes, lus) || lus != attendus)
                    ++melanges;
            }
        });
    };
    std::unique_ptr<QThread> a(trieur("a")), c(trieur("c"));
    a->start();
    c->start();
    a->wait();
    c->wait();
    QCOMPARE(melanges.load(), 0);
}

VIMBRAL_TEST_MAIN(TstReordonner)
#include "tst_reordonner.moc"
