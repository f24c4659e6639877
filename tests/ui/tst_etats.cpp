// What the main window shows and offers after what a user does with the mouse and the
// keyboard: which buttons stand, which are enabled, what the labels say. One row a path.
#include "banc.h"
#include "frmphoto.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeView>

#include <functional>

namespace {

using Action = std::function<void(Banc&, FrmPhoto&)>;

// A click on an entry, or below the files for -1; the right button's menu is closed at once.
Action clic(int rang, Qt::KeyboardModifiers touches = {}, Qt::MouseButton bouton = Qt::LeftButton) {
    return [=](Banc& b, FrmPhoto& f) {
        if (bouton == Qt::RightButton)
            b.dialogues.attendreMenu("mnuCopDepInvisible", "");
        if (rang >= 0)
            cliquer(f, rang, touches, bouton);
        else
            QTest::mouseClick(f.LstFF->viewport(), bouton, {},
                              QPoint(20, f.LstFF->viewport()->height() - 5));
    };
}

template <typename B> Action appui(B* FrmPhoto::*bouton) {
    return [=](Banc&, FrmPhoto& f) { QTest::mouseClick(f.*bouton, Qt::LeftButton); };
}

Action type(int index) {
    return [=](Banc&, FrmPhoto& f) { f.CboFileType->setCurrentIndex(index); };
}

// Files copied: the paste items are offered.
void copie(Banc&, FrmPhoto& f) {
    f.menus().article("mnuCollerRep")->setEnabled(true);
}

// The states a row checks, as "name=value" words; names are read without their mark, so that
// the rows read simply.
QStringList etats(FrmPhoto& f, const EtatProgramme& e) {
    const std::pair<const char*, const QWidget*> vus[] = {
        {"haut", f.ImgUp},       {"bas", f.ImgDown},    {"rapide", f.CmdRapide},
        {"sel", f.axBSel0},      {"des", f.axBSel1},    {"nonimage", f.LblNonImage},
        {"charge", f.PctCharge}, {"piv", f.axBPivoter}, {"redim", f.axBRedimensionner},
        {"mode", f.CmdD}};
    const std::pair<const char*, const QWidget*> actifs[] = {
        {"ins", f.ChkIns},      {"zoom", f.OptZ0}, {"inc", f.CmdInc},
        {"rafr", f.CmdRefresh}, {"min", f.CmdMin}, {"diapo", f.axBDiapo}};
    QStringList l;
    for (const auto& [nom, w] : vus)
        l << QLatin1String(nom) + (w->isVisibleTo(&f) ? "=1" : "=0");
    for (const auto& [nom, w] : actifs)
        l << QLatin1String(nom) + (w->isEnabled() ? "=1" : "=0");
    l << "rang=" + f.LblRang->text() << "nom=" + f.TxtFileName->text()
      << (e.PasDePhoto ? "photo=0" : "photo=1")
      << (f.menus().article("mnuCollerRep")->isEnabled() ? "coller=1" : "coller=0")
      << "sel-liste=" + selection(f).join(',');
    return l.replaceInStrings("   [M]", "");
}

} // namespace

class TstEtats : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void etatsApres_data();
    void etatsApres();
};

void TstEtats::etatsApres_data() {
    QTest::addColumn<QList<Action>>("actions");
    QTest::addColumn<QStringList>("attendus");
    auto ligne = [](const char* nom, QList<Action> a, const QString& attendus) {
        QTest::newRow(nom) << a << attendus.split(' ', Qt::SkipEmptyParts);
    };
    // All files listed: a marked photo first, two photos, a text; the first one shown.
    ligne("ouverture", {},
          "haut=0 bas=1 rapide=1 sel=1 des=0 rang=1 nom=b.jpg photo=1 ins=0 zoom=1 inc=1 "
          "rafr=1 nonimage=0 charge=0 sel-liste=b.jpg piv=1 redim=1 mode=0 min=1 diapo=1 coller=0");
    ligne("le dernier", {clic(3)}, "haut=1 bas=0 rang=4 nom=d.txt photo=0 nonimage=1 piv=0");
    ligne("un du milieu", {clic(1)}, "haut=1 bas=1 rang=2 nom=a.jpg photo=1 ins=1");
    ligne("Ctrl-clic", {clic(2, Qt::ControlModifier)},
          "haut=0 bas=0 sel=0 des=1 rang= nom= photo=0 sel-liste=b.jpg,c.jpg");
    ligne("clic gauche dans le vide", {clic(-1)},
          "haut=0 bas=0 sel=1 des=0 rang= nom= photo=0 nonimage=0 sel-liste=");
    ligne("clic droit dans le vide", {clic(-1, {}, Qt::RightButton)}, "rang=1 sel-liste=b.jpg");
    ligne("clic gauche après une copie", {copie, clic(1)}, "coller=0 rang=2");
    ligne("tout désélectionner", {clic(2, Qt::ShiftModifier), appui(&FrmPhoto::axBSel1)},
          "sel=1 des=0 haut=0 bas=0 rapide=0 nom= photo=0 sel-liste=");
    ligne("les marqués", {clic(2), appui(&FrmPhoto::axBSel0)}, "sel=0 des=1 nom=b.jpg rang=1");
    // The thumbnails and the slideshow are for pictures.
    ligne("type des marqués", {type(6)}, "min=0 diapo=0 sel-liste=b.jpg");
    ligne("type sans fichier",
          {[](Banc&, FrmPhoto& f) {
               QFile::rename(f.etat().RepertoireOuvert + "b.jpg   [M]",
                             f.etat().RepertoireOuvert + "b.jpg");
           },
           type(6)},
          "inc=0 rafr=0 zoom=0 ins=0 haut=0 bas=0 nom= photo=0 nonimage=0 sel-liste=");
    ligne("mode d'incrémentation", {entrerEnIncrementation}, "mode=1 nom= sel-liste=");
}

void TstEtats::etatsApres() {
    QFETCH(QList<Action>, actions);
    QFETCH(QStringList, attendus);
    Banc b;
    for (const char* nom : {"a.jpg", "b.jpg", "c.jpg"})
        Banc::creerImage(b.photos() + "/" + nom);
    QFile::rename(b.photos() + "/b.jpg", b.photos() + "/b.jpg   [M]");
    Banc::creerFichier(b.photos() + "/d.txt");
    FenetreOuverte w(b);
    w.f.CboFileType->setCurrentIndex(8);
    for (const Action& a : actions)
        a(b, w.f);
    VERIFIER_DIALOGUES(b.dialogues);
    const QStringList vus = etats(w.f, w.etat);
    for (const QString& attendu : attendus)
        QVERIFY2(vus.contains(attendu),
                 qPrintable(attendu + QStringLiteral("  —  vu : ") + vus.join(' ')));
}

VIMBRAL_TEST_MAIN(TstEtats)
#include "tst_etats.moc"
