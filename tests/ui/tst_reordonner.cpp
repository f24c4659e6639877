// The list put in another order: step moves, the fast move and its window, the move below a
// clicked file, the wheel, and the sort by shooting date. Nothing is renamed: the list order
// and the selection are what each path must get right.
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

// The move window's script: the rank it shows checked, an option clicked, then a button.
std::function<int(QDialog&)> choisirOrdre(int ordre, const QString& rang) {
    return [=](QDialog& d) {
        if (d.findChild<QLabel*>("LblRang")->text() != "Déplacer au rang :  " + rang)
            return -1;
        if (ordre >= 0)
            QTest::mouseClick(d.findChild<QLabel*>(QStringLiteral("Lbl(%1)").arg(ordre)),
                              Qt::LeftButton);
        d.findChild<QPushButton*>("CmdOK")->click();
        return d.result();
    };
}

// The arrows shown, "^" and "v".
QString fleches(const FrmPhoto& f) {
    return QString(f.ImgUp->isVisible() ? "^" : "") + (f.ImgDown->isVisible() ? "v" : "");
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
    void deplacementsPasAPas();
    void rangParClic();
    void rangParNumero();
    void deplacementSousClic();
    void souris();
    void tri();
    void baseInutilisable_data();
    void baseInutilisable();
    void triConcurrent();
};

void TstReordonner::deplacementsPasAPas() {
    Banc b;
    FenetreOuverte w(b, {"A.jpg", "B.jpg", "C.jpg"});
    FrmPhoto& f = w.f;
    QCOMPARE(f.ImgUp->toolTip() + "|" + f.ImgDown->toolTip(),
             QString("Déplacement du fichier vers le haut |Déplacement du fichier vers le bas "));
    // The entry shown moves; every other entry keeps its selection.
    cliquer(f, 1);
    f.LstFF->item(0)->setSelected(true);
    f.deplacementPas().Affiche_Fleches();
    for (const auto& [bouton, ordre, courant, vues] : {std::tuple{f.ImgDown, "A C B", 2, "^"},
                                                       {f.ImgUp, "A B C", 1, "^v"},
                                                       {f.ImgUp, "B A C", 0, "v"}}) {
        QTest::mouseClick(bouton, Qt::LeftButton);
        QCOMPARE(entrees(f).join(' ').remove(".jpg"), QString(ordre));
        QCOMPARE(w.etat.IndexCourant, courant);
        QCOMPARE(f.LstFF->currentRow(), courant);
        QCOMPARE(f.LblRang->text(), QString::number(courant + 1));
        QCOMPARE(fleches(f), QString(vues));
        QCOMPARE(selection(f).size(), 2);
    }
    // At the ends the hidden arrows' handlers do nothing either.
    f.deplacementPas().ImgUp_Click();
    cliquer(f, 0);
    for (int clic = 0; clic < 2; ++clic)
        QTest::mouseClick(f.ImgDown, Qt::LeftButton);
    f.deplacementPas().ImgDown_Click();
    QCOMPARE(entrees(f), QStringList({"A.jpg", "C.jpg", "B.jpg"}));
    QCOMPARE(selection(f), QStringList({"B.jpg"}));
    QCOMPARE(fleches(f), QString("^"));
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"A.jpg", "B.jpg", "C.jpg"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

// The fast move to the rank of a clicked file, from its help to its refusals.
void TstReordonner::rangParClic() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    b.dialogues.attendreMessages(
        {"Il existe plusieurs façons (3) de déplacer un (ou des) fichier dans une liste "
         "affichée, dans le but de la réorganiser.\n\n1- On peut, après l'avoir sélectionné, "
         "déplacer un fichier vers le haut ou le bas, en agissant sur les boutons marqués d'une "
         "flèche (en haut et à droite).",
         "2- On peut sélectionner un ou plusieurs fichiers, les marquer à l'aide du bouton [M], "
         "puis indiquer le numéro de rang du fichier où on désire les déplacer (2 possibilités "
         "pour cela, à choisir dans les options).\n\nOn clique ensuite sur le bouton "
         "[Déplacement rapide] (en haut et à droite, sous les flèches, et vous aurez alors "
         "plusieurs choix de déplacements.",
         "3 - Enfin, on peut sélectionner un ou plusieurs fichiers, et faire un click droit sur "
         "la sélecion.\n\nAprès appel du menu dédié, on clique sur le fichier choisi au dessous "
         "duquel iront se déplacer les fichiers sélectionnés.\n\nN'oubliez pas de faire une "
         "nouvelle incrémentation après la réorganisation de vos fichiers !"});
    f.menus().article("mnuDeplaceFichAide")->trigger();
    VERIFIER_DIALOGUES(b.dialogues);

    // No marked file, whatever is selected.
    choisir(f, {"A.jpg", "B.jpg"});
    b.dialogues.attendreMessage(
        "Il faut \"marquer\" les fichiers à déplacer, avec le bouton dédié [M].");
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    QCOMPARE(entrees(f), Cinq);

    choisir(f, {"B.jpg", "D.jpg"});
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    // The target is the file clicked last, here one of the moved files.
    cliquer(f, 3);
    QCOMPARE(f.LblRang->text(), QString("4"));
    b.dialogues.attendreFenetre("FrmDeplace", choisirOrdre(1, "4"));
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"A.jpg", "C.jpg", "D.jpg", "B.jpg", "E.jpg"}));
    // The marks went with the move; the entry after the current one is shown.
    QCOMPARE(nomsSurDisque(b.photos()), Cinq);
    QCOMPARE(f.TxtFileName->text(), QString("E.jpg"));
    VERIFIER_DIALOGUES(b.dialogues);

    choisir(f, {"B.jpg", "C.jpg"});
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    const QStringList marques{"A.jpg", "C.jpg   [M]", "D.jpg", "B.jpg   [M]", "E.jpg"};
    // OK with no option chosen, then Cancel; then Escape after an option was clicked.
    for (const bool echap : {false, true}) {
        cliquer(f, 4);
        b.dialogues.attendreFenetre("FrmDeplace", [echap](QDialog& d) {
            if (echap) {
                QTest::mouseClick(d.findChild<QLabel*>("Lbl(2)"), Qt::LeftButton);
                d.reject();
                return d.result();
            }
            d.findChild<QPushButton*>("CmdOK")->click();
            d.findChild<QPushButton*>("CmdAnnule")->click();
            return d.result();
        });
        if (!echap)
            b.dialogues.attendreMessage("Choisissez un mode de déplacement, ou annuler.");
        QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
        QCOMPARE(entrees(f), marques);
        QCOMPARE(selection(f), QStringList({"C.jpg   [M]", "B.jpg   [M]"}));
        VERIFIER_DIALOGUES(b.dialogues);
    }

    // Marked files, but the list was refilled since the last click: no rank.
    f.listeFichiers().Liste_Fichiers(w.etat.RepertoireOuvert);
    QCOMPARE(f.LblRang->text(), QString());
    b.dialogues.attendreMessage("Déplacement impossible !\nLe niveau du rang de déplacement "
                                "n'est pas fixé (click sur le fichier concerné).");
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"B.jpg   [M]", "C.jpg   [M]", "A.jpg", "D.jpg", "E.jpg"}));
    QCOMPARE(selection(f), QStringList({"B.jpg   [M]", "C.jpg   [M]"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

// The fast move to a rank typed in: refused without a selection or with a wrong rank, then
// done.
void TstReordonner::rangParNumero() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    w.etat.options.NiveauParNumero = 1;
    f.LstFF->clearSelection();
    b.dialogues.attendreMessage("Aucun fichier n'est sélectionné !");
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    cliquer(f, 1);
    cliquer(f, 2, Qt::ControlModifier);
    for (const char* r : {"0", "6", "trois", ""}) {
        b.dialogues.attendreSaisie(Invite, r);
        b.dialogues.attendreMessage("Déplacement impossible !\nLe niveau du rang de "
                                    "déplacement n'est pas fixé, ou incorrect.");
        QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
        QCOMPARE(entrees(f), Cinq);
        QCOMPARE(selection(f), QStringList({"B.jpg", "C.jpg"}));
    }
    b.dialogues.attendreSaisie(Invite, "5");
    b.dialogues.attendreFenetre("FrmDeplace", choisirOrdre(3, "5"));
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(entrees(f).join(' ').remove(".jpg"), QString("A D E C B"));
    QCOMPARE(nomsSurDisque(b.photos()), Cinq);
    QCOMPARE(b.dialogues.vues().at(1).titre, QString("Déplacement de fichier"));
    // The first rank is a rank too.
    choisir(f, {"C.jpg"});
    b.dialogues.attendreSaisie(Invite, "1");
    b.dialogues.attendreFenetre("FrmDeplace", choisirOrdre(0, "1"));
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    QCOMPARE(entrees(f).join(' ').remove(".jpg"), QString("C A D E B"));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstReordonner::deplacementSousClic() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    // Nothing selected: refused, nothing waits for a click, the paste entries go off.
    const QString aucun = "Vous devez au préalable sélectionner le ou les fichiers à déplacer !";
    f.LstFF->clearSelection();
    b.dialogues.attendreMessage(aucun);
    f.deplacementRapide().mnuDeplaceFich_Click();
    QCOMPARE(w.etat.OperationEnAttente, 0);
    cliquer(f, 0);
    b.dialogues.attendreMenu("mnuCopDepInvisible", "mnuCopier");
    cliquer(f, 0, {}, Qt::RightButton, 4);
    QVERIFY(f.menus().article("mnuCollerDos")->isEnabled());
    f.LstFF->clearSelection();
    b.dialogues.attendreMessage(aucun);
    f.deplacementRapide().mnuDeplaceFich_Click();
    QVERIFY(!f.menus().article("mnuCollerRep")->isEnabled());
    QVERIFY(!f.menus().article("mnuCollerDos")->isEnabled());

    choisir(f, {"B.jpg", "D.jpg"});
    b.dialogues.attendreMenu("mnuCopDepInvisible", "mnuDeplaceFich");
    cliquer(f, 1, {}, Qt::RightButton);
    QCOMPARE(w.etat.OperationEnAttente, 3);
    QCOMPARE(w.etat.FichiersADeplacer, QStringList({"B.jpg   [M]", "D.jpg   [M]"}));
    cliquer(f, 4);
    // Until the list's click hands over by itself.
    if (w.etat.OperationEnAttente == 3)
        f.deplacementRapide().TerminerDeplacementSousClic();
    QCOMPARE(entrees(f), QStringList({"A.jpg", "C.jpg", "E.jpg", "B.jpg", "D.jpg"}));
    QCOMPARE(nomsSurDisque(b.photos()), Cinq);
    QCOMPARE(w.etat.OperationEnAttente, 0);
    QCOMPARE(selection(f), QStringList({"D.jpg"}));
    // The list follows the keys again.
    QTest::keyClick(f.LstFF, Qt::Key_Up);
    QCOMPARE(f.TxtFileName->text(), QString("B.jpg"));
    VERIFIER_DIALOGUES(b.dialogues);

    // Several entries selected at the click: the first moved one is selected at the end.
    choisir(f, {"A.jpg"});
    f.deplacementRapide().mnuDeplaceFich_Click();
    w.etat.ListeOccupee = true;
    f.LstFF->setCurrentRow(3, QItemSelectionModel::ClearAndSelect);
    f.LstFF->item(4)->setSelected(true);
    w.etat.ListeOccupee = false;
    f.deplacementRapide().TerminerDeplacementSousClic();
    QCOMPARE(entrees(f), QStringList({"C.jpg", "E.jpg", "B.jpg", "A.jpg", "D.jpg"}));
    QCOMPARE(selection(f), QStringList({"A.jpg"}));

    // The list refilled while the move waited: the click inserts nothing.
    choisir(f, {"C.jpg"});
    f.deplacementRapide().mnuDeplaceFich_Click();
    QTest::mouseClick(f.CmdRefresh, Qt::LeftButton);
    w.etat.OperationEnAttente = 3;
    f.SelectionnerEntree(2);
    f.deplacementRapide().TerminerDeplacementSousClic();
    QCOMPARE(entrees(f), QStringList({"C.jpg   [M]", "A.jpg", "B.jpg", "D.jpg", "E.jpg"}));
    QCOMPARE(w.etat.OperationEnAttente, 0);
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstReordonner::souris() {
    Banc b;
    FenetreOuverte w(b, {"A.jpg", "B.jpg", "C.jpg", "D.jpg", "E.jpg", "F.jpg", "G.jpg"});
    FrmPhoto& f = w.f;
    // One entry shown by the program, none clicked yet: a right click opens nothing.
    w.etat.ApercuPret = false;
    cliquer(f, 2, {}, Qt::RightButton);
    QCOMPARE(selection(f), QStringList({"A.jpg"}));
    // The tool tip names the entry under the pointer.
    QTest::mouseMove(f.LstFF->viewport(), centre(f, 2));
    QCOMPARE(w.etat.IndexSouris, 2);
    QCOMPARE(f.LstFF->toolTip(), QString("C.jpg"));
    w.etat.options.BullesListe = 0;
    QTest::mouseMove(f.LstFF->viewport(), centre(f, 3));
    QCOMPARE(f.LstFF->toolTip(), QString());

    // A press below the last entry clears the selection, unless an incrementation just ran.
    const QPoint dessous(10, f.LstFF->viewport()->height() - 3);
    choisir(f, {"A.jpg", "B.jpg"});
    w.etat.IgnorerClicVide = true;
    b.dialogues.attendreMenu("mnuCopDepInvisible", "");
    QTest::mousePress(f.LstFF->viewport(), Qt::RightButton, {}, dessous);
    QCOMPARE(selection(f), QStringList({"A.jpg", "B.jpg"}));
    QVERIFY(!w.etat.IgnorerClicVide && w.etat.ApercuPret);
    QTest::mouseClick(f.LstFF->viewport(), Qt::LeftButton, {}, dessous);
    QVERIFY(selection(f).isEmpty());
    QCOMPARE(w.etat.IndexSouris, 65536);
    QTest::keyClick(f.LstFF, Qt::Key_End);
    QCOMPARE(f.TxtFileName->text(), QString("G.jpg"));
    VERIFIER_DIALOGUES(b.dialogues);

    // The wheel moves the selection by its step.
    w.etat.options.PasMolette = 2;
    auto tourner = [&](int angle, const char* ordre) {
        const QPoint p = centre(f, 0);
        QWheelEvent e(p, f.LstFF->viewport()->mapToGlobal(p), {}, QPoint(0, angle), Qt::NoButton,
                      {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.LstFF->viewport(), &e);
        QCOMPARE(entrees(f).join("").remove(".jpg"), QString(ordre));
    };
    // Two steps down; two up by halves of a notch; then far past the top.
    choisir(f, {"C.jpg", "D.jpg"});
    tourner(-120, "ABEFCDG");
    tourner(60, "ABEFCDG");
    tourner(60, "ABCDEFG");
    tourner(360, "CDABEFG");
    QCOMPARE(selection(f), QStringList({"C.jpg", "D.jpg"}));
    // One entry selected: the wheel scrolls, the order stays.
    choisir(f, {"A.jpg"});
    tourner(-120, "CDABEFG");
    QCOMPARE(nomsSurDisque(b.photos()).size(), 7);
    VERIFIER_DIALOGUES(b.dialogues);

    // The Delete key deletes only from a list of more than one entry.
    int suppressions = 0;
    f.deplacementRapide().SupprimerFichiers = [&] { ++suppressions; };
    QTest::keyClick(f.LstFF, Qt::Key_Delete);
    QCOMPARE(suppressions, 1);
    for (const QString& nom : nomsSurDisque(b.photos()).mid(1))
        QFile::remove(b.photos() + "/" + nom);
    QTest::mouseClick(f.CmdRefresh, Qt::LeftButton);
    QTest::keyClick(f.LstFF, Qt::Key_Delete);
    QCOMPARE(suppressions, 1);
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
        QCOMPARE(entrees(f), QStringList({"C.jpg", "son.mp3.jpg", "z.jpg", "y.jpg", "x.jpg",
                                          "A.jpg", "B.jpg", "parti.jpg", "vide.jpg"}));
    }
    QCOMPARE(selection(f), QStringList({"C.jpg"}));
    QVERIFY(f.LstFF->currentRow() == 0 && w.etat.IndexCourant == 0);
    QVERIFY(f.cursor().shape() != Qt::WaitCursor);
    QVERIFY(QFileInfo(w.etat.DossierDonnees + "/Date.mdb").isFile());

    // One entry, none selected: the sort selects it.
    for (const QString& nom : nomsSurDisque(b.photos()))
        if (nom != "B.jpg")
            QFile::remove(b.photos() + "/" + nom);
    QTest::mouseClick(f.CmdRefresh, Qt::LeftButton);
    f.LstFF->clearSelection();
    f.triChronologique().mnuTri_Click();
    QCOMPARE(selection(f), QStringList({"B.jpg"}));
    // An empty list is left alone: the store is not even created.
    QFile::remove(b.photos() + "/B.jpg");
    QFile::remove(w.etat.DossierDonnees + "/Date.mdb");
    QTest::mouseClick(f.CmdRefresh, Qt::LeftButton);
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
    Banc b;
    JpegExif::creer(b.photos() + "/A.jpg", "2020:05:01 12:00:00", "2020:05:01 12:00:00");
    JpegExif::creer(b.photos() + "/B.jpg", {});
    JpegExif::creer(b.photos() + "/C.jpg", "2018:08:15 07:30:00", "2018:08:15 07:30:00");
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    const QString base = w.etat.DossierDonnees + "/Date.mdb";
    const QByteArray ancienne("Standard Jet DB\0\0\0 des données d'autrefois", 42);
    if (cas == 0)
        QDir(w.etat.DossierDonnees).removeRecursively();
    else if (cas == 1)
        Banc::creerFichier(base, ancienne);
    else
        baseTruquee(base);
    cliquer(f, 1);
    cliquer(f, 2, Qt::ControlModifier);
    b.dialogues.attendreMessage(
        (cas == 2 ? QStringLiteral("La base de tri \"%1\" a rendu des noms qui ne sont pas ceux "
                                   "de la liste.\nLa liste n'a pas été triée.")
                  : QStringLiteral("Impossible d'ouvrir ou d'écrire la base de tri \"%1\".\nLa "
                                   "liste n'a pas été triée."))
            .arg(base));
    f.triChronologique().mnuTri_Click();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues().last().icone, Dialogues::Icone::Exclamation);
    QCOMPARE(entrees(f), QStringList({"A.jpg", "B.jpg", "C.jpg"}));
    QCOMPARE(selection(f), QStringList({"B.jpg", "C.jpg"}));
    QCOMPARE(f.LstFF->currentRow(), 2);
    QVERIFY(f.cursor().shape() != Qt::WaitCursor);
    QCOMPARE(QFileInfo::exists(w.etat.DossierDonnees), cas != 0);
    if (cas == 1)
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
