// Marks on a folder of 20,000 files, 10,000 of them marked: selecting the marked files,
// unmarking them, and a fast move of the marked files to a rank (which unmarks them too),
// each from the click on its button. The floor is the bare renameat2 of the same 10,000
// files. Run by hand: build with -DVIMBRAL_BENCH=ON, then
//   QT_QPA_PLATFORM=offscreen build/bench/bench_marques
#include "banc.h"
#include "deplacementrapide.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "mediane.h"
#include "outilsfenetre.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int NombreFichiers = 20000;
constexpr int Tours = 5;

QString nom(int i) {
    return QStringLiteral("IMG_%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
}

// Every other file marked, or none, straight on the disk.
void marquer(const QString& dossier, bool marques) {
    for (int i = 0; i < NombreFichiers; i += 2) {
        const QByteArray simple = QFile::encodeName(dossier + "/" + nom(i));
        const QByteArray marque = simple + "   [M]";
        const QByteArray& de = marques ? simple : marque;
        const QByteArray& vers = marques ? marque : simple;
        syscall(SYS_renameat2, AT_FDCWD, de.constData(), AT_FDCWD, vers.constData(),
                RENAME_NOREPLACE);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    PreparerEnvironnementTest();
    QApplication application(argc, argv);
    Banc b;
    for (int i = 0; i < NombreFichiers; ++i)
        Banc::creerFichier(b.photos() + "/" + nom(i), {});
    const double plancher = Mediane(
        Tours, [&] { marquer(b.photos(), true); }, {}, [&] { marquer(b.photos(), false); });

    marquer(b.photos(), true);
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    auto remettre = [&] {
        marquer(b.photos(), false);
        marquer(b.photos(), true);
        f.listeFichiers().CmdRefresh_Click();
    };
    const double selection = Mediane(
        Tours, [&] { f.axBSel0->click(); }, {}, [&] { f.LstFF->clearSelection(); });
    const double demarquer = Mediane(
        Tours, [&] { f.axBDM->click(); }, [&] { f.axBSel0->click(); }, remettre);
    // The rank is given by a click on the 100th entry; the marked files go below it.
    const double rapide = Mediane(
        Tours, [&] { f.CmdRapide->click(); },
        [&] {
            f.SelectionnerEntree(99);
            b.dialogues.attendreFenetre("FrmDeplace", [](QDialog& d) {
                QTest::mouseClick(d.findChild<QLabel*>("Lbl(1)"), Qt::LeftButton);
                d.findChild<QPushButton*>("CmdOK")->click();
                return d.result();
            });
        },
        remettre);
    if (!b.dialogues.termine())
        std::printf("%s\n", qPrintable(b.dialogues.rapport()));

    std::printf("%d fichiers dont %d marqués, médiane de %d tours\n", NombreFichiers,
                NombreFichiers / 2, Tours);
    std::printf("renameat2 des marqués (plancher)          %8.1f ms\n", plancher);
    std::printf("Sélectionner les marqués                  %8.1f ms\n", selection);
    std::printf("Démarquer après la sélection              %8.1f ms  (%.2f x plancher)\n",
                demarquer, demarquer / plancher);
    std::printf("Déplacement rapide des marqués au rang 100 %8.1f ms  (%.2f x plancher)\n", rapide,
                rapide / plancher);
    return 0;
}
