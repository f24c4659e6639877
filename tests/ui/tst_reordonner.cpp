// The list put in another order: the fast move and its window; with the mouse, the wheel,
// the arrows and the move below a clicked file; the sort by shooting date. Nothing is renamed:
// the list order and the selection are what each path must get right.
#include "banc.h"
#include "deplacementpas.h"
#include "deplacementrapide.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "jpegexif.h"
#include "listefichiers.h"
#include "magasintrisqlite.h"
#include "menusphoto.h"
#include "outilsfenetre.h"
#include "trichronologique.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QToolButton>
#include <QWheelEvent>

#include <atomic>

namespace {

const QStringList Cinq{"A.jpg", "B.jpg", "C.jpg", "D.jpg", "E.jpg"};
const QString Invite = QStringLiteral("Indiquez à quel rang vous désirez déplacer ces fichiers. ");

// The move window's script: an option clicked, then OK; without an option, OK and then
// Cancel.
std::function<int(QDialog&)> choisirOrdre(int ordre) {
    return [=](QDialog& d) {
        if (ordre >= 0)
            QTest::mouseClick(d.findChild<QLabel*>(QStringLiteral("Lbl(%1)").arg(ordre)),
                              Qt::LeftButton);
        d.findChild<QPushButton*>("CmdOK")->click();
        if (ordre < 0)
            d.findChild<QPushButton*>("CmdAnnule")->click();
        return d.result();
    };
}

// The list as "A B* C[M]" (* selected), then the arrows shown ("^" and "v").
QString vue(const FrmPhoto& f) {
    QStringList l;
    for (int i = 0; i < f.LstFF->count(); ++i)
        l.append(f.LstFF->item(i)->text().replace(".jpg   [M]", "[M]").remove(".jpg") +
                 (f.LstFF->item(i)->isSelected() ? "*" : ""));
    return l.join(' ') + " " + (f.ImgUp->isVisible() ? "^" : "") +
           (f.ImgDown->isVisible() ? "v" : "");
}

// A sort table whose rows are changed behind the program's back, as a foreign file may.
void baseTruquee(const QString& chemin) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "truquee");
        db.setDatabaseName(chemin);
        db.open();
        QSqlQuery q(db);
        q.exec("CREATE TABLE Tridate (Nom TEXT, Date TEXT)");
        q.exec("CREATE TRIGGER t AFTER INSERT ON Tridate BEGIN UPDATE Tridate SET Nom = "
               "'../victime.jpg' WHERE rowid = NEW.rowid; END");
    }
    QSqlDatabase::removeDatabase("truquee");
}

} // namespace

class TstReordonner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deplacementRapide();
    void souris();
    void tri();
    void triConcurrent();
};

// The fast move, to the rank of a clicked file and then to a rank typed in.
void TstReordonner::deplacementRapide() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    choisir(f, {"B.jpg", "D.jpg"});
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    // The target is the file clicked last, here one of the moved files.
    cliquer(f, 3);
    b.dialogues.attendreFenetre("FrmDeplace", choisirOrdre(1));
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    // The marks went with the move; the entry after the current one is shown.
    QCOMPARE(vue(f), QString("A C D B E* ^"));
    QCOMPARE(nomsSurDisque(b.photos()), Cinq);

    // OK with no option chosen, then Cancel: the marks stay.
    choisir(f, {"B.jpg", "C.jpg"});
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    cliquer(f, 4);
    b.dialogues.attendreFenetre("FrmDeplace", choisirOrdre(-1));
    b.dialogues.attendreMessage("Choisissez un mode de déplacement, ou annuler.");
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    QCOMPARE(vue(f), QString("A C[M]* D B[M]* E "));
    f.listeFichiers().Liste_Fichiers(w.etat.RepertoireOuvert);

    // By number: the selection moves; a wrong rank is refused.
    w.etat.options.NiveauParNumero = 1;
    choisir(f, {"A.jpg", "D.jpg"});
    for (const char* r : {"0", "6", "trois", ""}) {
        b.dialogues.attendreSaisie(Invite, r);
        b.dialogues.attendreMessage("Déplacement impossible !\nLe niveau du rang de "
                                    "déplacement n'est pas fixé, ou incorrect.");
        QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    }
    QCOMPARE(vue(f), QString("B[M] C[M] A* D* E "));
    // The last rank and the first are ranks too.
    b.dialogues.attendreSaisie(Invite, "5");
    b.dialogues.attendreFenetre("FrmDeplace", choisirOrdre(3));
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    choisir(f, {"E.jpg"});
    b.dialogues.attendreSaisie(Invite, "1");
    b.dialogues.attendreFenetre("FrmDeplace", choisirOrdre(0));
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    QCOMPARE(vue(f), QString("E B C D* A ^v"));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstReordonner::souris() {
    Banc b;
    FenetreOuverte w(b, {"A.jpg", "B.jpg", "C.jpg", "D.jpg", "E.jpg", "F.jpg", "G.jpg"});
    FrmPhoto& f = w.f;
    // A press below the last entry clears the selection, unless an incrementation just ran.
    const QPoint dessous(10, f.LstFF->viewport()->height() - 3);
    choisir(f, {"A.jpg", "B.jpg"});
    w.etat.IgnorerClicVide = true;
    b.dialogues.attendreMenu("mnuCopDepInvisible", "");
    QTest::mousePress(f.LstFF->viewport(), Qt::RightButton, {}, dessous);
    QCOMPARE(selection(f), QStringList({"A.jpg", "B.jpg"}));
    QVERIFY(!w.etat.IgnorerClicVide);
    QTest::mouseClick(f.LstFF->viewport(), Qt::LeftButton, {}, dessous);
    QVERIFY(selection(f).isEmpty() && w.etat.PasDePhoto);
    QTest::keyClick(f.LstFF, Qt::Key_End);
    QCOMPARE(f.TxtFileName->text(), QString("G.jpg"));

    // The wheel moves the selection by its step.
    w.etat.options.PasMolette = 2;
    auto tourner = [&](int angle, const char* attendu) {
        const QPoint p = centre(f, 0);
        QWheelEvent e(p, f.LstFF->viewport()->mapToGlobal(p), {}, QPoint(0, angle), Qt::NoButton,
                      {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.LstFF->viewport(), &e);
        QCOMPARE(vue(f), QString(attendu));
    };
    // Two steps down, then far past the top.
    choisir(f, {"C.jpg", "D.jpg"});
    tourner(-120, "A B E F C* D* G ");
    tourner(360, "C* D* A B E F G ");
    // One entry selected: the wheel scrolls, the order stays.
    choisir(f, {"A.jpg"});
    tourner(-120, "C D A* B E F G ^v");

    // The arrows move the entry shown; every other entry keeps its selection.
    f.LstFF->item(3)->setSelected(true);
    f.deplacementPas().Affiche_Fleches();
    for (const auto& [bouton, attendu, courant] : {std::tuple{f.ImgDown, "C D B* A* E F G ^v", 3},
                                                   {f.ImgUp, "C D A* B* E F G ^v", 2},
                                                   {f.ImgUp, "C A* D B* E F G ^v", 1},
                                                   {f.ImgUp, "A* C D B* E F G v", 0}}) {
        QTest::mouseClick(bouton, Qt::LeftButton);
        QCOMPARE(vue(f), QString(attendu));
        QVERIFY(w.etat.IndexCourant == courant && f.LstFF->currentRow() == courant);
    }

    // The move below a clicked file. Nothing selected after a copy: refused, nothing waits
    // for a click, paste goes off.
    cliquer(f, 0);
    b.dialogues.attendreMenu("mnuCopDepInvisible", "mnuCopier");
    cliquer(f, 0, {}, Qt::RightButton, 4);
    QVERIFY(f.menus().article("mnuCollerDos")->isEnabled());
    f.LstFF->clearSelection();
    b.dialogues.attendreMessage(
        "Vous devez au préalable sélectionner le ou les fichiers à déplacer !");
    f.deplacementRapide().mnuDeplaceFich_Click();
    QVERIFY(w.etat.OperationEnAttente != 3);
    QVERIFY(!f.menus().article("mnuCollerRep")->isEnabled());
    QVERIFY(!f.menus().article("mnuCollerDos")->isEnabled());
    choisir(f, {"B.jpg", "D.jpg"});
    b.dialogues.attendreMenu("mnuCopDepInvisible", "mnuDeplaceFich");
    cliquer(f, 3, {}, Qt::RightButton);
    QCOMPARE(w.etat.OperationEnAttente, 3);
    QCOMPARE(w.etat.FichiersADeplacer, QStringList({"D.jpg   [M]", "B.jpg   [M]"}));
    cliquer(f, 5);
    // Until the list's click hands over by itself.
    if (w.etat.OperationEnAttente == 3)
        f.deplacementRapide().TerminerDeplacementSousClic();
    QCOMPARE(vue(f), QString("A C E F D B* G ^v"));
    QCOMPARE(w.etat.OperationEnAttente, 0);
    // The list follows the keys again.
    QTest::keyClick(f.LstFF, Qt::Key_Up);
    QCOMPARE(f.TxtFileName->text(), QString("D.jpg"));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstReordonner::tri() {
    Banc b;
    // The modification dates run the other way, so that taking them would misorder.
    JpegExif::creer(b.photos() + "/A.jpg", "2017:01:01 09:00:00", "2020:05:01 12:00:00");
    JpegExif::creer(b.photos() + "/B.jpg", {});
    JpegExif::creer(b.photos() + "/C.jpg", "2024:01:01 09:00:00", "2018:08:15 07:30:00");
    JpegExif::creer(b.photos() + "/x.jpg", "2019:07:20 09:00:00", "2019:07:12 08:00:00");
    JpegExif::creer(b.photos() + "/y.jpg", "2019:07:13 09:00:00", "2019:07:12 08:00:00");
    JpegExif::creer(b.photos() + "/z.jpg", "2019:07:14 10:20:30", "2019:07:11 23:59:59");
    Banc::creerFichier(b.photos() + "/vide.jpg", {});
    Banc::creerFichier(b.photos() + "/son.mp3.jpg", "ID3\x03 TDRC 2019:07:11 23:00:00");
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    // The table holds one sort only: a second sort does not bring back the first's rows.
    for (int fois = 0; fois < 2; ++fois) {
        Banc::creerFichier(b.photos() + "/parti.jpg", "\xFF\xD8");
        QTest::mouseClick(f.CmdRefresh, Qt::LeftButton);
        QFile::remove(b.photos() + "/parti.jpg");
        // y goes above x by hand; the sort keeps that order between equal dates.
        cliquer(f, int(entrees(f).indexOf("y.jpg")));
        QTest::mouseClick(f.ImgUp, Qt::LeftButton);
        f.triChronologique().mnuTri_Click();
        QCOMPARE(vue(f), QString("C* son.mp3 z y x A B parti vide v"));
    }
    QVERIFY(f.LstFF->currentRow() == 0 && w.etat.IndexCourant == 0);

    // The store unusable, an old file that is no base or a base that hands back other names:
    // the list stays as it was.
    const QString base = w.etat.DossierDonnees + "/Date.mdb";
    const QByteArray ancienne("Standard Jet DB\0\0\0 des données d'autrefois", 42);
    QTest::mouseClick(f.ImgDown, Qt::LeftButton);
    for (const bool truquee : {false, true}) {
        QVERIFY(QFile::remove(base));
        if (truquee)
            baseTruquee(base);
        else
            Banc::creerFichier(base, ancienne);
        b.dialogues.attendreMessage(
            (truquee ? QStringLiteral("La base de tri \"%1\" a rendu des noms qui ne sont pas "
                                      "ceux de la liste.\nLa liste n'a pas été triée.")
                     : QStringLiteral("Impossible d'ouvrir ou d'écrire la base de tri \"%1\"."
                                      "\nLa liste n'a pas été triée."))
                .arg(base));
        f.triChronologique().mnuTri_Click();
        QCOMPARE(vue(f), QString("son.mp3 C* z y x A B parti vide ^v"));
        if (!truquee)
            QCOMPARE(Banc::lire(base), ancienne);
    }
    VERIFIER_DIALOGUES(b.dialogues);
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
            QStringList attendus, lus;
            for (int i = 0; i < 40; ++i) {
                attendus.append(prefixe + QString::number(i));
                lignes.append({attendus.last(), QString()});
            }
            for (int tour = 0; tour < 25; ++tour)
                melanges += !magasin.Trier(lignes, lus) || lus != attendus;
        });
    };
    std::unique_ptr<QThread> a(trieur("a")), c(trieur("c"));
    a->start();
    c->start();
    QVERIFY(a->wait() && c->wait());
    QCOMPARE(melanges.load(), 0);
}

VIMBRAL_TEST_MAIN(TstReordonner)
#include "tst_reordonner.moc"
