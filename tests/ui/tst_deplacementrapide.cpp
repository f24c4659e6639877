#include "banc.h"
#include "deplacementrapide.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "marques.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWheelEvent>

namespace {

QPoint centre(FrmPhoto& f, int rang) {
    return f.LstFF->visualItemRect(f.LstFF->item(rang)).center();
}

// The move window's script: the options clicked in turn, then one of its buttons.
std::function<int(QDialog&)> choisirOrdre(int ordre, const QString& rangAttendu,
                                          const char* bouton = "CmdOK") {
    return [=](QDialog& d) {
        const QString rang = d.findChild<QLabel*>("LblRang")->text();
        if (rang != QStringLiteral("Déplacer au rang :  ") + rangAttendu)
            return -1;
        if (ordre >= 0)
            QTest::mouseClick(d.findChild<QLabel*>(QStringLiteral("Lbl(%1)").arg(ordre)),
                              Qt::LeftButton);
        d.findChild<QPushButton*>(bouton)->click();
        return d.result();
    };
}

const QStringList Cinq{"A.jpg", "B.jpg", "C.jpg", "D.jpg", "E.jpg"};
const QString Impossible = QStringLiteral("Déplacement impossible !\n");

} // namespace

class TstDeplacementRapide : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rangParClic();
    void fenetreAnnuleeOuSansChoix();
    void rangParNumero();
    void rangRefuse_data();
    void rangRefuse();
    void rangParClicRefuse();
    void deplacementSousClic();
    void aide();
    void souris();
    void molette();
    void toucheSuppr();
};

void TstDeplacementRapide::rangParClic() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    choisir(f, {"B.jpg", "D.jpg"});
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    QCOMPARE(nomsSurDisque(b.photos()),
             QStringList({"A.jpg", "B.jpg   [M]", "C.jpg", "D.jpg   [M]", "E.jpg"}));
    // The target is the file clicked last, here one of the moved files.
    QTest::mouseClick(f.LstFF->viewport(), Qt::LeftButton, {}, centre(f, 3));
    QCOMPARE(f.LblRang->text(), QString("4"));
    b.dialogues.attendreFenetre("FrmDeplace", choisirOrdre(1, "4"));
    QTest::mouseClick(f.CmdRapide, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"A.jpg", "C.jpg", "D.jpg", "B.jpg", "E.jpg"}));
    // The marks went with the move.
    QCOMPARE(nomsSurDisque(b.photos()), Cinq);
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDeplacementRapide::fenetreAnnuleeOuSansChoix() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    choisir(f, {"B.jpg", "C.jpg"});
    f.marques().Marquer();
    f.SelectionnerEntree(4);
    const QStringList avant = Banc::empreinte(b.photos());
    b.dialogues.attendreFenetre("FrmDeplace", [](QDialog& d) {
        d.findChild<QPushButton*>("CmdOK")->click();
        d.findChild<QPushButton*>("CmdAnnule")->click();
        return d.result();
    });
    b.dialogues.attendreMessage("Choisissez un mode de déplacement, ou annuler.");
    f.deplacementRapide().CmdRapide_Click();
    QCOMPARE(entrees(f), QStringList({"A.jpg", "B.jpg   [M]", "C.jpg   [M]", "D.jpg", "E.jpg"}));
    QCOMPARE(selection(f), QStringList({"B.jpg   [M]", "C.jpg   [M]"}));
    QCOMPARE(Banc::empreinte(b.photos()), avant);
    VERIFIER_DIALOGUES(b.dialogues);

    // Escape closes the window with nothing chosen, even after an option was clicked.
    f.SelectionnerEntree(4);
    b.dialogues.attendreFenetre("FrmDeplace", [](QDialog& d) {
        QTest::mouseClick(d.findChild<QLabel*>("Lbl(2)"), Qt::LeftButton);
        d.reject();
        return d.result();
    });
    f.deplacementRapide().CmdRapide_Click();
    QCOMPARE(entrees(f), QStringList({"A.jpg", "B.jpg   [M]", "C.jpg   [M]", "D.jpg", "E.jpg"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDeplacementRapide::rangParNumero() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    w.etat.options.NiveauParNumero = 1;
    f.SelectionnerEntree(1);
    f.LstFF->item(2)->setSelected(true);
    b.dialogues.attendreSaisie("Indiquez à quel rang vous désirez déplacer ces fichiers. ", "5");
    b.dialogues.attendreFenetre("FrmDeplace", choisirOrdre(3, "5"));
    f.deplacementRapide().CmdRapide_Click();
    QCOMPARE(entrees(f), QStringList({"A.jpg", "D.jpg", "E.jpg", "C.jpg", "B.jpg"}));
    QCOMPARE(nomsSurDisque(b.photos()), Cinq);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues().first().titre, QString("Déplacement de fichier"));
}

void TstDeplacementRapide::rangRefuse_data() {
    QTest::addColumn<QString>("reponse");
    QTest::newRow("zéro") << "0";
    QTest::newRow("au-delà de la liste") << "6";
    QTest::newRow("texte") << "trois";
    QTest::newRow("annulé") << "";
}

void TstDeplacementRapide::rangRefuse() {
    QFETCH(QString, reponse);
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    w.etat.options.NiveauParNumero = 1;
    f.SelectionnerEntree(1);
    f.LstFF->item(3)->setSelected(true);
    const QStringList avant = Banc::empreinte(b.photos());
    b.dialogues.attendreSaisie("Indiquez à quel rang vous désirez déplacer ces fichiers. ",
                               reponse);
    b.dialogues.attendreMessage(Impossible + "Le niveau du rang de déplacement n'est pas fixé, "
                                             "ou incorrect.");
    f.deplacementRapide().CmdRapide_Click();
    QCOMPARE(entrees(f), Cinq);
    QCOMPARE(selection(f), QStringList({"B.jpg", "D.jpg"}));
    QCOMPARE(Banc::empreinte(b.photos()), avant);
    VERIFIER_DIALOGUES(b.dialogues);

    // Nothing selected: refused before the question.
    f.LstFF->clearSelection();
    b.dialogues.attendreMessage("Aucun fichier n'est sélectionné !");
    f.deplacementRapide().CmdRapide_Click();
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDeplacementRapide::rangParClicRefuse() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    const QStringList avant = Banc::empreinte(b.photos());
    // No marked file, whatever is selected.
    choisir(f, {"A.jpg", "B.jpg"});
    b.dialogues.attendreMessage(
        "Il faut \"marquer\" les fichiers à déplacer, avec le bouton dédié [M].");
    f.deplacementRapide().CmdRapide_Click();
    QCOMPARE(entrees(f), Cinq);
    QCOMPARE(Banc::empreinte(b.photos()), avant);

    // Marked files, but the list was refilled since the last click: no rank.
    choisir(f, {"B.jpg"});
    f.marques().Marquer();
    f.listeFichiers().Liste_Fichiers(w.etat.RepertoireOuvert);
    QCOMPARE(f.LblRang->text(), QString());
    b.dialogues.attendreMessage(Impossible + "Le niveau du rang de déplacement n'est pas fixé "
                                             "(click sur le fichier concerné).");
    f.deplacementRapide().CmdRapide_Click();
    QCOMPARE(entrees(f), QStringList({"B.jpg   [M]", "A.jpg", "C.jpg", "D.jpg", "E.jpg"}));
    QCOMPARE(selection(f), QStringList({"B.jpg   [M]"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDeplacementRapide::deplacementSousClic() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    // Nothing selected: refused, nothing waits for a click.
    f.LstFF->clearSelection();
    b.dialogues.attendreMessage(
        "Vous devez au préalable sélectionner le ou les fichiers à déplacer !");
    f.deplacementRapide().mnuDeplaceFich_Click();
    QCOMPARE(w.etat.OperationEnAttente, 0);
    QVERIFY(!f.menus().article("mnuCollerRep")->isEnabled());
    QCOMPARE(entrees(f), Cinq);

    choisir(f, {"B.jpg", "D.jpg"});
    b.dialogues.attendreMenu("mnuCopDepInvisible", "mnuDeplaceFich");
    QTest::mouseClick(f.LstFF->viewport(), Qt::RightButton, {}, centre(f, 1));
    QCOMPARE(w.etat.OperationEnAttente, 3);
    QCOMPARE(w.etat.FichiersADeplacer, QStringList({"B.jpg   [M]", "D.jpg   [M]"}));
    QCOMPARE(nomsSurDisque(b.photos()),
             QStringList({"A.jpg", "B.jpg   [M]", "C.jpg", "D.jpg   [M]", "E.jpg"}));

    QTest::mouseClick(f.LstFF->viewport(), Qt::LeftButton, {}, centre(f, 4));
    // Until the list's click hands over by itself.
    if (w.etat.OperationEnAttente == 3)
        f.deplacementRapide().TerminerDeplacementSousClic();
    QCOMPARE(entrees(f), QStringList({"A.jpg", "C.jpg", "E.jpg", "B.jpg", "D.jpg"}));
    QCOMPARE(nomsSurDisque(b.photos()), Cinq);
    QCOMPARE(w.etat.OperationEnAttente, 0);
    QCOMPARE(selection(f), QStringList({"D.jpg"}));
    VERIFIER_DIALOGUES(b.dialogues);

    // Several entries selected at the click: the first moved one is selected at the end.
    choisir(f, {"A.jpg"});
    f.deplacementRapide().mnuDeplaceFich_Click();
    QCOMPARE(w.etat.OperationEnAttente, 3);
    w.etat.ListeOccupee = true;
    f.LstFF->setCurrentRow(3, QItemSelectionModel::ClearAndSelect);
    f.LstFF->item(4)->setSelected(true);
    w.etat.ListeOccupee = false;
    f.deplacementRapide().TerminerDeplacementSousClic();
    QCOMPARE(entrees(f), QStringList({"C.jpg", "E.jpg", "B.jpg", "A.jpg", "D.jpg"}));
    QCOMPARE(selection(f), QStringList({"A.jpg"}));
    QCOMPARE(nomsSurDisque(b.photos()), Cinq);

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

void TstDeplacementRapide::aide() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    b.dialogues.attendreMessage(
        "Il existe plusieurs façons (3) de déplacer un (ou des) fichier dans une liste affichée, "
        "dans le but de la réorganiser.\n\n1- On peut, après l'avoir sélectionné, déplacer un "
        "fichier vers le haut ou le bas, en agissant sur les boutons marqués d'une flèche (en "
        "haut et à droite).");
    b.dialogues.attendreMessage(
        "2- On peut sélectionner un ou plusieurs fichiers, les marquer à l'aide du bouton [M], "
        "puis indiquer le numéro de rang du fichier où on désire les déplacer (2 possibilités "
        "pour cela, à choisir dans les options).\n\nOn clique ensuite sur le bouton [Déplacement "
        "rapide] (en haut et à droite, sous les flèches, et vous aurez alors plusieurs choix de "
        "déplacements.");
    b.dialogues.attendreMessage(
        "3 - Enfin, on peut sélectionner un ou plusieurs fichiers, et faire un click droit sur "
        "la sélecion.\n\nAprès appel du menu dédié, on clique sur le fichier choisi au dessous "
        "duquel iront se déplacer les fichiers sélectionnés.\n\nN'oubliez pas de faire une "
        "nouvelle incrémentation après la réorganisation de vos fichiers !");
    w.f.menus().article("mnuDeplaceFichAide")->trigger();
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDeplacementRapide::souris() {
    Banc b;
    FenetreOuverte w(b, Cinq);
    FrmPhoto& f = w.f;
    // One entry shown by the program, none clicked yet: a right click opens nothing.
    w.etat.ApercuPret = false;
    QTest::mouseClick(f.LstFF->viewport(), Qt::RightButton, {}, centre(f, 2));
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
    QVERIFY(!w.etat.IgnorerClicVide);
    QVERIFY(w.etat.ApercuPret);
    QTest::mousePress(f.LstFF->viewport(), Qt::LeftButton, {}, dessous);
    QTest::mouseRelease(f.LstFF->viewport(), Qt::LeftButton, {}, dessous);
    QVERIFY(selection(f).isEmpty());
    QCOMPARE(f.TxtFileName->text(), QString());
    QCOMPARE(f.LblRang->text(), QString());
    QVERIFY(w.etat.PasDePhoto);
    QCOMPARE(w.etat.IndexSouris, 65536);
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDeplacementRapide::molette() {
    Banc b;
    FenetreOuverte w(b, {"A.jpg", "B.jpg", "C.jpg", "D.jpg", "E.jpg", "F.jpg", "G.jpg"});
    FrmPhoto& f = w.f;
    const QStringList avant = Banc::empreinte(b.photos());
    w.etat.options.PasMolette = 2;
    auto tourner = [&](int angle) {
        const QPoint p = centre(f, 0);
        QWheelEvent e(p, f.LstFF->viewport()->mapToGlobal(p), {}, QPoint(0, angle), Qt::NoButton,
                      {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.LstFF->viewport(), &e);
    };
    choisir(f, {"C.jpg", "D.jpg"});
    tourner(-120);
    QCOMPARE(entrees(f),
             QStringList({"A.jpg", "B.jpg", "E.jpg", "F.jpg", "C.jpg", "D.jpg", "G.jpg"}));
    QCOMPARE(selection(f), QStringList({"C.jpg", "D.jpg"}));
    // Two steps up by halves of a notch; then far past the top.
    tourner(60);
    tourner(60);
    QCOMPARE(entrees(f),
             QStringList({"A.jpg", "B.jpg", "C.jpg", "D.jpg", "E.jpg", "F.jpg", "G.jpg"}));
    tourner(360);
    QCOMPARE(entrees(f),
             QStringList({"C.jpg", "D.jpg", "A.jpg", "B.jpg", "E.jpg", "F.jpg", "G.jpg"}));
    QCOMPARE(selection(f), QStringList({"C.jpg", "D.jpg"}));
    QCOMPARE(Banc::empreinte(b.photos()), avant);

    // One entry selected: the wheel scrolls, the order stays.
    choisir(f, {"A.jpg"});
    tourner(-120);
    QCOMPARE(entrees(f),
             QStringList({"C.jpg", "D.jpg", "A.jpg", "B.jpg", "E.jpg", "F.jpg", "G.jpg"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstDeplacementRapide::toucheSuppr() {
    Banc b;
    FenetreOuverte w(b, {"A.jpg"});
    FrmPhoto& f = w.f;
    int suppressions = 0;
    f.deplacementRapide().SupprimerFichiers = [&] { ++suppressions; };
    QTest::keyClick(f.LstFF, Qt::Key_Delete);
    QCOMPARE(suppressions, 0);
    Banc::creerFichier(b.photos() + "/B.jpg");
    QTest::mouseClick(f.CmdRefresh, Qt::LeftButton);
    QTest::keyClick(f.LstFF, Qt::Key_Delete);
    QCOMPARE(suppressions, 1);
}

VIMBRAL_TEST_MAIN(TstDeplacementRapide)
#include "tst_deplacementrapide.moc"
