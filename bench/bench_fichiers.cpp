// File operations a user waits for: 300 photos of 4 MB pasted into a copy folder on the same
// disk, against cp of the same files; 1,000 files sent to the trash from the list, against
// one gio trash of the same files. Each from the menu item to the list shown again, the
// program's own windows answered as a user would. The reference and the program take turns,
// each run starting from a disk written back. gio comes with Debian's libglib2.0-bin. Run by
// hand: build with -DVIMBRAL_BENCH=ON, then
//   QT_QPA_PLATFORM=offscreen build/bench/bench_fichiers [copie | corbeille]
#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Photos = 300;
constexpr int TaillePhoto = 4 << 20;
constexpr int AJeter = 1000;
constexpr int Tours = 7;

struct Mesure {
    std::function<void()> avant;
    std::function<void()> travail;
    std::vector<double> temps;
    double mediane() {
        std::sort(temps.begin(), temps.end());
        return temps.empty() ? 0 : temps[temps.size() / 2];
    }
};

// Every measure once per round, in turn; what comes before a run is not timed.
void alterner(std::vector<Mesure*> mesures) {
    for (int i = 0; i < Tours; ++i)
        for (Mesure* m : mesures) {
            m->avant();
            ::sync();
            QElapsedTimer t;
            t.start();
            m->travail();
            m->temps.push_back(double(t.nsecsElapsed()) / 1e6);
        }
}

void vider(const QString& dossier) {
    QDir(dossier).removeRecursively();
    QDir().mkpath(dossier);
}

void lancer(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished(-1);
    if (p.exitCode() != 0)
        std::printf("%s : %s\n", qPrintable(programme), p.readAllStandardError().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    PreparerEnvironnementTest();
    QApplication application(argc, argv);
    const QString seulement = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    Banc b;
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    w.etat.options.MarquerCopies = 0;

    if (seulement != "corbeille") {
        const QString copie = b.racine() + "/copie";
        Banc::creerFichier(b.programme() + "/Dos.ini", (copie + "/\r\n").toUtf8());
        // Data that no volume compresses or shares: every photo its own bytes.
        QByteArray donnees(TaillePhoto, Qt::Uninitialized);
        QStringList cp;
        for (int i = 0; i < Photos; ++i) {
            QRandomGenerator(uint(i)).fillRange(reinterpret_cast<quint32*>(donnees.data()),
                                                TaillePhoto / 4);
            cp.append(
                Banc::creerFichier(b.photos() + QStringLiteral("/IMG_%1.jpg").arg(i), donnees));
        }
        cp.append(copie);
        Mesure reference{[&] { vider(copie); }, [&] { lancer("cp", cp); }, {}};
        Mesure collage{[&] {
                           vider(copie);
                           f.DefinirCheminDossier(b.photos());
                           f.listeFichiers().CmdRefresh_Click();
                           f.LstFF->selectAll();
                           m.article("mnuCopier")->trigger();
                           b.dialogues.attendreFenetre("FrmDos", [](QDialog& d) {
                               d.findChild<QListWidget*>("LstDos")->setCurrentRow(0);
                               d.findChild<QPushButton*>("CmdOK")->click();
                               return d.result();
                           });
                       },
                       [&] { m.article("mnuCollerDos")->trigger(); },
                       {}};
        FichiersSysteme systeme;
        Mesure seul{[&] { vider(copie); },
                    [&] {
                        for (qsizetype i = 0; i + 1 < cp.size(); ++i)
                            systeme.Copier(cp[i], copie + cp[i].mid(cp[i].lastIndexOf('/')));
                    },
                    {}};
        // After the paste the window opens the copy folder, as a click in the folder tree does:
        // its loading display (one pass per file) is timed on its own.
        Mesure ouverture{[&] {
                             f.DefinirCheminDossier(b.photos());
                             f.listeFichiers().CmdRefresh_Click();
                         },
                         [&] { f.DefinirCheminDossier(copie); },
                         {}};
        alterner({&reference, &seul, &collage, &ouverture});
        const bool entiere = contenus(copie) == contenus(b.photos());
        std::printf("Médiane de %d tours\n", Tours);
        std::printf("cp de %d photos de 4 Mo (référence)      %8.1f ms\n", Photos,
                    reference.mediane());
        std::printf("Copier, fichier par fichier              %8.1f ms  (%.2f x cp)\n",
                    seul.mediane(), seul.mediane() / reference.mediane());
        std::printf("Coller dans un autre dossier             %8.1f ms  (%.2f x cp)%s\n",
                    collage.mediane(), collage.mediane() / reference.mediane(),
                    entiere ? "" : "  COPIE INCOMPLÈTE");
        const double propre = collage.mediane() - ouverture.mediane();
        std::printf("  dont l'ouverture du dossier de copie   %8.1f ms\n", ouverture.mediane());
        std::printf("  le collage seul                        %8.1f ms  (%.2f x cp)\n", propre,
                    propre / reference.mediane());
        vider(copie);
        vider(b.photos());
    }

    if (seulement != "copie") {
        // The same 1,000 files each time, the trash emptied before each run.
        const QString jeter = b.racine() + "/jeter";
        const QString poubelle = qEnvironmentVariable("XDG_DATA_HOME") + "/Trash";
        QStringList gio{"trash"};
        for (int i = 0; i < AJeter; ++i)
            gio.append(jeter + QStringLiteral("/photo %1.jpg").arg(i));
        auto remplir = [&] {
            QDir(poubelle).removeRecursively();
            vider(jeter);
            for (qsizetype i = 1; i < gio.size(); ++i)
                Banc::creerFichier(gio[i], "photo");
        };
        FichiersSysteme systeme;
        Mesure reference{remplir, [&] { lancer("gio", gio); }, {}};
        Mesure seul{remplir,
                    [&] {
                        for (qsizetype i = 1; i < gio.size(); ++i)
                            systeme.MettreCorbeille(gio[i]);
                    },
                    {}};
        Mesure suppression{[&] {
                               remplir();
                               f.DefinirCheminDossier(jeter);
                               f.listeFichiers().CmdRefresh_Click();
                               f.LstFF->selectAll();
                               b.dialogues.attendreMessage({}, Dialogues::Reponse::Oui);
                           },
                           [&] { m.article("mnuDelete")->trigger(); },
                           {}};
        alterner({&reference, &seul, &suppression});
        const bool toutJete = nomsSurDisque(jeter).isEmpty() && f.LstFF->count() == 0;
        std::printf("Médiane de %d tours\n", Tours);
        std::printf("gio trash de %d fichiers (référence)   %8.1f ms\n", AJeter,
                    reference.mediane());
        std::printf("MettreCorbeille, fichier par fichier     %8.1f ms  (%.2f x gio trash)\n",
                    seul.mediane(), seul.mediane() / reference.mediane());
        std::printf("Supprimer (corbeille)                    %8.1f ms  (%.2f x gio trash)%s\n",
                    suppression.mediane(), suppression.mediane() / reference.mediane(),
                    toutJete ? "" : "  RESTE DES FICHIERS");
    }
    if (!b.dialogues.termine())
        std::printf("%s\n", qPrintable(b.dialogues.rapport()));
    return 0;
}
