// What the main window shows and offers after what a user does with the mouse and the
// keyboard: which buttons stand, which are enabled, what the labels say. One row a path.
#include "apercuphoto.h"
#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeView>

#include <functional>

namespace {

using Action = std::function<void(Banc&, FrmPhoto&)>;

// The states a row checks, as "name=value" words.
QString etats(const FrmPhoto& f, const EtatProgramme& e) {
    auto vu = [&](const QWidget* w) { return w->isVisibleTo(&f) ? '1' : '0'; };
    auto actif = [](const QWidget* w) { return w->isEnabled() ? '1' : '0'; };
    return QStringLiteral("haut=%1 bas=%2 rapide=%3 sel=%4 des=%5 rang=%6 nom=%7 photo=%8 "
                          "ins=%9 zoom=%10 inc=%11 rafr=%12 nonimage=%13 charge=%14 "
                          "coller=%15 sel-liste=%16")
               .arg(vu(f.ImgUp))
               .arg(vu(f.ImgDown))
               .arg(vu(f.CmdRapide))
               .arg(vu(f.axBSel0))
               .arg(vu(f.axBSel1))
               .arg(f.LblRang->text(), f.TxtFileName->text())
               .arg(e.PasDePhoto ? '0' : '1')
               .arg(actif(f.ChkIns))
               .arg(actif(f.OptZ0))
               .arg(actif(f.CmdInc))
               .arg(actif(f.CmdRefresh))
               .arg(vu(f.LblNonImage))
               .arg(vu(f.PctCharge))
               .arg(const_cast<FrmPhoto&>(f).menus().article("mnuCollerRep")->isEnabled() ? '1'
                                                                                          : '0')
               .arg(selection(f).join(',')) +
           QStringLiteral(" piv=%1 redim=%2 mode=%3")
               .arg(vu(f.axBPivoter))
               .arg(vu(f.axBRedimensionner))
               .arg(vu(f.CmdD));
}

} // namespace

class TstEtats : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void etatsApres_data();
    void etatsApres();
};

void TstEtats::etatsApres_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<QStringList>("attendus");
    auto ligne = [](const char* nom, Action a, const QString& attendus) {
        QTest::newRow(nom) << a << attendus.split(' ', Qt::SkipEmptyParts);
    };
    // All files listed: a marked photo first, two photos, a text; the first one shown.
    ligne(
        "ouverture", [](Banc&, FrmPhoto&) {},
        "haut=0 bas=1 rapide=1 sel=1 des=0 rang=1 nom=b.jpg photo=1 ins=0 zoom=1 inc=1 "
        "rafr=1 nonimage=0 charge=0 sel-liste=b.jpg piv=1 redim=1 mode=0");
    ligne(
        "clic sur le dernier", [](Banc&, FrmPhoto& f) { cliquer(f, 3); },
        "haut=1 bas=0 rang=4 nom=d.txt photo=0 nonimage=1 ins=0 sel-liste=d.txt piv=0");
    ligne(
        "clic sur un du milieu", [](Banc&, FrmPhoto& f) { cliquer(f, 1); },
        "haut=1 bas=1 rang=2 nom=a.jpg photo=1 ins=1");
    ligne(
        "Ctrl-clic : deux choisis", [](Banc&, FrmPhoto& f) { cliquer(f, 2, Qt::ControlModifier); },
        "haut=0 bas=0 sel=0 des=1 rang= nom= photo=0 sel-liste=b.jpg,c.jpg");
    ligne(
        "Ctrl-clic deux fois : celui qui reste choisi est montré",
        [](Banc&, FrmPhoto& f) {
            cliquer(f, 2, Qt::ControlModifier);
            cliquer(f, 2, Qt::ControlModifier, Qt::LeftButton, 40);
        },
        "sel-liste=b.jpg nom=b.jpg rang=1 photo=1");
    ligne(
        "Maj-clic : trois choisis", [](Banc&, FrmPhoto& f) { cliquer(f, 2, Qt::ShiftModifier); },
        "sel=0 des=1 nom= sel-liste=b.jpg,a.jpg,c.jpg");
    ligne(
        "clic gauche sous les fichiers : plus rien de choisi",
        [](Banc&, FrmPhoto& f) {
            QTest::mouseClick(f.LstFF->viewport(), Qt::LeftButton, {},
                              QPoint(20, f.LstFF->viewport()->height() - 5));
        },
        "haut=0 bas=0 sel=1 des=0 rang= nom= photo=0 nonimage=0 sel-liste=");
    ligne(
        "clic droit sous les fichiers : le menu, le choix reste",
        [](Banc& b, FrmPhoto& f) {
            b.dialogues.attendreMenu("mnuCopDepInvisible", "");
            QTest::mouseClick(f.LstFF->viewport(), Qt::RightButton, {},
                              QPoint(20, f.LstFF->viewport()->height() - 5));
        },
        "rang=1 nom=b.jpg sel-liste=b.jpg");
    ligne(
        "clic gauche après une copie : coller n'est plus offert",
        [](Banc&, FrmPhoto& f) {
            f.menus().article("mnuCollerRep")->setEnabled(true);
            cliquer(f, 1);
        },
        "coller=0 rang=2");
    ligne(
        "clic droit après une copie : coller reste offert",
        [](Banc& b, FrmPhoto& f) {
            f.menus().article("mnuCollerRep")->setEnabled(true);
            b.dialogues.attendreMenu("mnuCopDepInvisible", "");
            QTest::mouseClick(f.LstFF->viewport(), Qt::RightButton, {}, centre(f, 0));
        },
        "coller=1 rang=1");
    ligne(
        "flèche vers le bas : le fichier suit, son rang aussi",
        [](Banc&, FrmPhoto& f) { QTest::mouseClick(f.ImgDown, Qt::LeftButton); },
        "rang=2 haut=1 bas=1 sel-liste=b.jpg");
    ligne(
        "Bas : le suivant est montré",
        [](Banc&, FrmPhoto& f) { QTest::keyClick(f.TxtFileName, Qt::Key_Down); },
        "rang=2 nom=a.jpg photo=1 sel-liste=a.jpg");
    ligne(
        "Haut sur le premier : il reste",
        [](Banc&, FrmPhoto& f) { QTest::keyClick(f.TxtFileName, Qt::Key_Up); },
        "rang=1 nom=b.jpg sel-liste=b.jpg");
    ligne(
        "tout désélectionner",
        [](Banc&, FrmPhoto& f) {
            cliquer(f, 2, Qt::ShiftModifier);
            QTest::mouseClick(f.axBSel1, Qt::LeftButton);
        },
        "sel=1 des=0 haut=0 bas=0 rapide=0 nom= photo=0 sel-liste=");
    ligne(
        "sélectionner les marqués : le seul est montré",
        [](Banc&, FrmPhoto& f) {
            cliquer(f, 2);
            QTest::mouseClick(f.axBSel0, Qt::LeftButton);
        },
        "sel=0 des=1 nom=b.jpg rang=1 sel-liste=b.jpg");
    ligne(
        "type sans fichier : tout s'éteint",
        [](Banc&, FrmPhoto& f) {
            QFile::rename(f.etat().RepertoireOuvert + "b.jpg   [M]",
                          f.etat().RepertoireOuvert + "b.jpg");
            f.CboFileType->setCurrentIndex(6);
        },
        "inc=0 rafr=0 zoom=0 ins=0 haut=0 bas=0 nom= photo=0 nonimage=0 sel-liste=");
    ligne(
        "un autre dossier : son premier fichier est montré",
        [](Banc& b, FrmPhoto& f) {
            Banc::creerImage(b.racine() + "/autre/z.jpg");
            f.DefinirCheminDossier(b.racine() + "/autre");
        },
        "rang=1 nom=z.jpg photo=1 piv=1 redim=1 haut=0 bas=0 sel-liste=z.jpg");
    ligne(
        "mode d'incrémentation : rien de choisi",
        [](Banc& b, FrmPhoto& f) { entrerEnIncrementation(b, f); }, "mode=1 nom= sel-liste=");
    ligne(
        "un clic dans les dossiers pendant le chargement : il s'arrête",
        [](Banc&, FrmPhoto& f) {
            f.LblN->clear();
            QCoreApplication::postEvent(f.DirDirectory->viewport(),
                                        new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5),
                                                        QPointF(5, 5), Qt::MiddleButton,
                                                        Qt::MiddleButton, Qt::NoModifier));
            f.CboFileType->setCurrentIndex(1);
            QVERIFY(f.LblN->text().isEmpty());
        },
        "charge=0");
}

void TstEtats::etatsApres() {
    QFETCH(Action, action);
    QFETCH(QStringList, attendus);
    Banc b;
    for (const char* nom : {"a.jpg", "b.jpg", "c.jpg"})
        Banc::creerImage(b.photos() + "/" + nom);
    QFile::rename(b.photos() + "/b.jpg", b.photos() + "/b.jpg   [M]");
    Banc::creerFichier(b.photos() + "/d.txt");
    FenetreOuverte w(b);
    w.f.CboFileType->setCurrentIndex(8);
    action(b, w.f);
    VERIFIER_DIALOGUES(b.dialogues);
    // Names are read without their mark, so that the rows read simply.
    const QStringList vus = etats(w.f, w.etat).replace("   [M]", "").split(' ');
    for (const QString& attendu : attendus)
        QVERIFY2(vus.contains(attendu),
                 qPrintable(attendu + QStringLiteral("  —  vu : ") + vus.join(' ')));
}

VIMBRAL_TEST_MAIN(TstEtats)
#include "tst_etats.moc"
