// The chronological sort of 5,000 photos (reading the dates, the sort table, refilling the
// list), against the floor of opening and reading the first 1,000 bytes of the same files,
// and against exiv2 reading their shooting dates when that tool is installed. Run by hand:
// build with -DVIMBRAL_BENCH=ON, then
//   QT_QPA_PLATFORM=offscreen build/bench/bench_tri
#include "datefichier.h"
#include "etatprogramme.h"
#include "fichierssysteme.h"
#include "frmphoto.h"
#include "jpegexif.h"
#include "magasintrisqlite.h"
#include "mediane.h"
#include "plateforme.h"
#include "plateformebench.h"
#include "trichronologique.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int NombreFichiers = 5000;

// The untimed set-up of each run comes first here.
double MedianeApres(int tours, const std::function<void()>& avant,
                    const std::function<void()>& travail) {
    return Mediane(tours, travail, avant);
}

// Camera-like files: a shooting date and a later modification date; one in ten has no
// EXIF block at all.
QStringList creerCorpus(const QString& dossier) {
    QRandomGenerator hasard(5000);
    QStringList noms;
    for (int i = 0; i < NombreFichiers; ++i) {
        const QString nom = QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        const QDateTime prise =
            QDateTime(QDate(2015, 1, 1), QTime(0, 0)).addSecs(qint64(hasard.bounded(300'000'000u)));
        const QString format = QStringLiteral("yyyy:MM:dd hh:mm:ss");
        if (i % 10 == 9)
            JpegExif::creer(dossier + u'/' + nom, {});
        else
            JpegExif::creer(dossier + u'/' + nom, prise.addDays(3).toString(format),
                            prise.toString(format));
        noms.append(nom);
    }
    return noms;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir racine;
    const QString photos = racine.path() + QStringLiteral("/photos");
    const QString donnees = racine.path() + QStringLiteral("/donnees");
    const QString programme = racine.path() + QStringLiteral("/programme");
    for (const QString& d : {photos, donnees, programme})
        QDir().mkpath(d);
    const QStringList noms = creerCorpus(photos);

    std::vector<QByteArray> chemins;
    for (const QString& nom : noms)
        chemins.push_back(QFile::encodeName(photos + u'/' + nom));
    const auto rien = [] {};

    const double plancher = MedianeApres(21, rien, [&] {
        char tampon[1000];
        for (const QByteArray& c : chemins) {
            const int fd = ::open(c.constData(), O_RDONLY | O_CLOEXEC);
            if (fd >= 0) {
                [[maybe_unused]] const ssize_t n = ::read(fd, tampon, sizeof tampon);
                ::close(fd);
            }
        }
    });

    PlateformeBench banc(programme, racine.path());
    Plateforme& plateforme = banc.plateforme;
    EtatProgramme etat;
    FrmPhoto f(plateforme, etat);
    etat.RepertoireOuvert = photos + u'/';
    etat.DossierDonnees = donnees;

    int lues = 0;
    const double lecture = MedianeApres(21, rien, [&] {
        lues = 0;
        for (const QString& nom : noms)
            lues += LireDateExifFichier(etat.RepertoireOuvert + nom).lue();
    });

    QList<MagasinTri::Ligne> lignes;
    for (const QString& nom : noms)
        lignes.append({nom, LireDateExifFichier(etat.RepertoireOuvert + nom).DateTri});
    const double magasin = MedianeApres(21, rien, [&] {
        MagasinTriSqlite m(donnees + QStringLiteral("/Date.mdb"));
        QStringList ordre;
        m.Trier(lignes, ordre);
    });

    const auto remplir = [&] {
        f.LstFF->clear();
        f.LstFF->addItems(noms);
    };
    const double tri = MedianeApres(21, remplir, [&] { f.triChronologique().mnuTri_Click(); });

    std::printf("%d files, %d with a readable date\n", NombreFichiers, lues);
    std::printf("open + read 1,000 bytes (floor): %8.2f ms  %5.2f us/file\n", plancher,
                plancher * 1000 / NombreFichiers);
    std::printf("date scan of every file:         %8.2f ms  %5.2f x floor\n", lecture,
                lecture / plancher);
    std::printf("sort table (write + read back):  %8.2f ms\n", magasin);
    std::printf("whole sort (mnuTri_Click):       %8.2f ms  %5.2f x floor\n", tri, tri / plancher);

    const QString exiv2 = QStandardPaths::findExecutable(QStringLiteral("exiv2"));
    if (exiv2.isEmpty()) {
        std::printf("exiv2: not installed\n");
        return 0;
    }
    QStringList arguments{QStringLiteral("-g"), QStringLiteral("Exif.Photo.DateTimeOriginal"),
                          QStringLiteral("-Pv")};
    for (const QString& nom : noms)
        arguments.append(photos + u'/' + nom);
    int lignesExiv2 = 0;
    const double reference = MedianeApres(5, rien, [&] {
        QProcess p;
        p.start(exiv2, arguments);
        p.waitForFinished(-1);
        lignesExiv2 = int(p.readAllStandardOutput().count('\n'));
    });
    std::printf("exiv2 -g Exif.Photo.DateTimeOriginal (one process, %d dates): %8.2f ms  "
                "%5.2f x the whole sort\n",
                lignesExiv2, reference, reference / tri);
    return 0;
}
