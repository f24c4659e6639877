// Planning and applying a numbering of 2,000 files with the pause at zero, against 2,000 bare
// renameat2 calls on the same folder. Run by hand: build with -DVIMBRAL_BENCH=ON, then
//   QT_QPA_PLATFORM=offscreen build/bench/bench_incrementation
#include "appliquerrenommages.h"
#include "etatprogramme.h"
#include "fichierssysteme.h"
#include "frmrenom.h"
#include "planincrementation.h"
#include "plateforme.h"
#include "plateformebench.h"

#include "mediane.h"
#include <QApplication>

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <linux/fs.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int NombreFichiers = 2000;
constexpr int Tours = 11;

// Each round renames the corpus forth; the untimed remise renames it back.
double MedianeRemise(const std::function<void()>& travail, const std::function<void()>& remise) {
    return Mediane(Tours, travail, {}, remise);
}

int renommer(const QByteArray& de, const QByteArray& vers) {
    return int(syscall(SYS_renameat2, AT_FDCWD, de.constData(), AT_FDCWD, vers.constData(),
                       RENAME_NOREPLACE));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir dossier;
    const QString repertoire = dossier.path() + QLatin1Char('/');
    QStringList anciens;
    for (int i = 0; i < NombreFichiers; ++i) {
        anciens.append(QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')));
        QFile f(repertoire + anciens.last());
        f.open(QIODevice::WriteOnly);
    }

    ParametresIncrementation p;
    p.AvecTitre = 1;
    p.TitreListe = QStringLiteral("Vacances");
    const QList<bool> tous(NombreFichiers, true);
    const PlanRenommage reference = PlanIncrementation::PlanNumerotation(anciens, tous, p).plan;
    std::vector<std::pair<QByteArray, QByteArray>> chemins;
    for (const Renommage& r : reference.etapes)
        chemins.emplace_back(QFile::encodeName(repertoire + r.ancien),
                             QFile::encodeName(repertoire + r.nouveau));
    const auto remise = [&] {
        for (const auto& [ancien, nouveau] : chemins)
            renommer(nouveau, ancien);
    };

    const double plancher = MedianeRemise(
        [&] {
            for (const auto& [ancien, nouveau] : chemins)
                renommer(ancien, nouveau);
        },
        remise);

    PlateformeBench banc;
    Plateforme& plateforme = banc.plateforme;
    EtatProgramme etat;
    QListWidget liste;
    FrmRenom rapport(etat);

    const double sansFenetres = MedianeRemise(
        [&] {
            const PlanRenommage plan = PlanIncrementation::PlanNumerotation(anciens, tous, p).plan;
            AppliquerRenommages(plan, repertoire, plateforme, nullptr, nullptr, 0);
        },
        remise);
    const auto avec = [&](bool avecListe, bool avecRapport) {
        return MedianeRemise(
            [&] {
                if (avecListe) {
                    liste.clear();
                    liste.addItems(anciens);
                    liste.show();
                }
                if (avecRapport)
                    rapport.Charger(repertoire, anciens);
                const PlanRenommage plan =
                    PlanIncrementation::PlanNumerotation(anciens, tous, p).plan;
                const BilanRenommage bilan =
                    AppliquerRenommages(plan, repertoire, plateforme, avecListe ? &liste : nullptr,
                                        avecRapport ? &rapport : nullptr, 0);
                if (bilan.faits != NombreFichiers)
                    std::printf("échec : %s\n", qPrintable(bilan.raison));
                liste.hide();
                rapport.hide();
            },
            remise);
    };
    const double avecListe = avec(true, false);
    const double avecRapport = avec(false, true);
    const double complet = avec(true, true);
    double planSeul =
        MedianeRemise([&] { (void)PlanIncrementation::PlanNumerotation(anciens, tous, p); }, [] {});

    std::printf("%d fichiers, médiane de %d tours, pause à zéro\n", NombreFichiers, Tours);
    std::printf("renameat2 seuls (plancher)              %8.2f ms\n", plancher);
    std::printf("plan seul                               %8.2f ms\n", planSeul);
    std::printf("plan + application, sans fenêtres       %8.2f ms  (%.2f x plancher)\n",
                sansFenetres, sansFenetres / plancher);
    std::printf("plan + application, LstFF               %8.2f ms  (%.2f x plancher)\n", avecListe,
                avecListe / plancher);
    std::printf("plan + application, rapport             %8.2f ms  (%.2f x plancher)\n",
                avecRapport, avecRapport / plancher);
    std::printf("plan + application, LstFF et rapport    %8.2f ms  (%.2f x plancher)\n", complet,
                complet / plancher);
    return 0;
}
