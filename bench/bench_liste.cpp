// Listing a folder of 10,000 files into the file list, against a bare readdir and sort of
// the same folder. Run by hand: build with -DVIMBRAL_BENCH=ON, then
//   QT_QPA_PLATFORM=offscreen build/bench/bench_liste
#include "fichierssysteme.h"
#include "mediane.h"
#include "typesfichiers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int NombreFichiers = 10000;
constexpr int Tours = 21;

void creerCorpus(const QString& dossier) {
    const char* extensions[] = {"jpg", "JPG", "jpeg", "bmp", "gif", "mp3", "txt", "png"};
    for (int i = 0; i < NombreFichiers; ++i) {
        QString nom = QStringLiteral("IMG_%1.%2")
                          .arg(i, 5, 10, QLatin1Char('0'))
                          .arg(QLatin1String(extensions[i % 8]));
        if (i % 500 == 0)
            nom += QStringLiteral("   [M]");
        QFile f(dossier + QLatin1Char('/') + nom);
        f.open(QIODevice::WriteOnly);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir dossier;
    creerCorpus(dossier.path());
    const QByteArray chemin = QFile::encodeName(dossier.path());

    const double plancher = Mediane(Tours, [&] {
        std::vector<std::string> noms;
        DIR* d = opendir(chemin.constData());
        while (const dirent* e = readdir(d))
            if (e->d_name[0] != '.')
                noms.emplace_back(e->d_name);
        closedir(d);
        std::sort(noms.begin(), noms.end());
    });

    FichiersSysteme fichiers;
    QListWidget liste;
    std::printf("%d fichiers, médiane de %d tours\n", NombreFichiers, Tours);
    std::printf("readdir + tri (plancher)       %8.2f ms\n", plancher);
    for (int index : {int(TypesFichiers::TousImages), int(TypesFichiers::TousFichiers)}) {
        QStringList entrees;
        const double enumeration = Mediane(Tours, [&] {
            entrees = TypesFichiers::ComposerListe(fichiers.Lister(dossier.path()), index);
        });
        const double remplissage = Mediane(Tours, [&] {
            liste.clear();
            liste.addItems(TypesFichiers::ComposerListe(fichiers.Lister(dossier.path()), index));
        });
        std::printf("type %d: énumération           %8.2f ms  (%.2f x plancher, %lld entrées)\n",
                    index, enumeration, enumeration / plancher, qlonglong(entrees.size()));
        std::printf("type %d: LstFF rempli          %8.2f ms\n", index, remplissage);
    }
    return 0;
}
