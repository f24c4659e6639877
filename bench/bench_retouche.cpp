// Resizing, lossless turning and text writing on photo-like 12-megapixel JPEG files carrying
// camera metadata, beside the command-line tools that do the same in the same run: djpeg |
// cjpeg and vips for the resize, jpegtran for the turn, a bare TurboJPEG decode + encode for
// the text; and a batch of 40 photos on every core against one thread.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_retouche
#include "editeurimages.h"
#include "fichierssysteme.h"
#include "lotredim.h"
#include "mediane.h"
#include "options.h"
#include "photobench.h"
#include "resultatsretouche.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <exiv2/exiv2.hpp>
#include <turbojpeg.h>

#include <cstdio>

namespace {

// What a camera writes: a date, a maker and model, an exposure, a 160 x 120 thumbnail.
void ajouterExif(const QString& chemin) {
    auto photo = Exiv2::ImageFactory::open(QFile::encodeName(chemin).toStdString());
    photo->readMetadata();
    Exiv2::ExifData exif;
    exif["Exif.Image.Make"] = "Appareil";
    exif["Exif.Image.Model"] = "Modele 12";
    exif["Exif.Image.Orientation"] = uint16_t(1);
    exif["Exif.Photo.DateTimeOriginal"] = "2019:07:14 10:30:00";
    exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
    const QImage vignette = QImage(chemin).scaled(160, 120);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    vignette.save(&tampon, "jpg", 80);
    Exiv2::ExifThumb(exif).setJpegThumbnail(
        reinterpret_cast<const Exiv2::byte*>(octets.constData()), long(octets.size()));
    photo->setExifData(exif);
    photo->writeMetadata();
}

bool outil(const char* nom) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(nom)).isEmpty();
}

double commande(int tours, const QString& ligne) {
    return Mediane(tours, [&] { QProcess::execute(QStringLiteral("sh"), {"-c", ligne}); });
}

QString q(const QString& chemin) {
    return QLatin1Char('"') + chemin + QLatin1Char('"');
}

void ligne(const char* quoi, double temps, double plancher) {
    std::printf("%-52s %8.1f ms   %5.2f x\n", quoi, temps, plancher > 0 ? temps / plancher : 0.0);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir racine;
    const QString photos = racine.path() + QStringLiteral("/photos");
    const QString sortie = racine.path() + QStringLiteral("/sortie");
    QDir().mkpath(photos);
    QDir().mkpath(sortie);
    for (int i = 0; i < 4; ++i) {
        const QString chemin = photos + QStringLiteral("/modele%1.jpg").arg(i);
        creerPhoto(chemin, 4000, 3000, i + 1);
        ajouterExif(chemin);
    }
    const QString photo = photos + QStringLiteral("/modele0.jpg");
    std::printf("photo 4000 x 3000, %lld bytes, %d threads\n", QFileInfo(photo).size(),
                QThread::idealThreadCount());
    FichiersSysteme fichiers;
    const QString cible = sortie + QStringLiteral("/r.jpg");
    auto effacer = [&] { QFile::remove(cible); };
    constexpr int Tours = 11;

    // Resize to 50 % at quality 90.
    const double redim = Mediane(
        Tours,
        [&] {
            const auto source = EditeurImages::Ouvrir(photo);
            const auto jpeg = RedimensionnerPhoto(*source, source->taille() / 2);
            EditeurImages::Publier(fichiers, *jpeg, cible);
        },
        effacer);
    effacer();
    const double djpeg = outil("djpeg") && outil("cjpeg")
                             ? commande(Tours, QStringLiteral("djpeg -scale 1/2 %1 | cjpeg "
                                                              "-quality 90 > %2")
                                                   .arg(q(photo), q(cible)))
                             : 0;
    const double vips =
        outil("vips")
            ? commande(5,
                       QStringLiteral("vips resize %1 %2 0.5").arg(q(photo), q(cible + "[Q=90]")))
            : 0;
    std::printf("\nResize to 50 %%, quality 90, metadata kept, file written\n");
    ligne("djpeg -scale 1/2 | cjpeg -quality 90 (floor)", djpeg, djpeg);
    ligne("vips resize 0.5", vips, djpeg);
    ligne("Vimbral", redim, djpeg);
    if (vips > 0)
        std::printf("%-52s %8.2f\n", "vips / Vimbral", vips / redim);

    // Lossless quarter turn to the left, metadata kept, saved.
    const double tour = Mediane(Tours, [&] {
        const auto source = EditeurImages::Ouvrir(photo);
        fichiers.EcrireAtomique(cible, *EditeurImages::PivoterSansPerte(*source, 1));
    });
    const double jpegtran = outil("jpegtran")
                                ? commande(Tours, QStringLiteral("jpegtran -rotate 270 -perfect "
                                                                 "-copy all -outfile %2 %1")
                                                      .arg(q(photo), q(cible)))
                                : 0;
    std::printf("\nLossless quarter turn, metadata kept, saved\n");
    ligne("jpegtran -rotate 270 -perfect -copy all (floor)", jpegtran, jpegtran);
    ligne("Vimbral", tour, jpegtran);

    // Text written at quality 90, against a bare decode and encode of the same file.
    Options options;
    options.PoliceTexte = QStringLiteral("Arial");
    options.TaillePolice = 48;
    options.PositionTexte = 3;
    options.CouleurTexte = 65535;
    const double texte = Mediane(
        Tours,
        [&] {
            const auto source = EditeurImages::Ouvrir(photo);
            QImage image = EditeurImages::Decoder(*source);
            ResultatsRetouche::DessinerTexte(image, QStringLiteral("Vacances 2019"), options);
            EditeurImages::Publier(fichiers, *EditeurImages::EncoderJpeg(image, &*source), cible);
        },
        effacer);
    const double brut = Mediane(Tours, [&] {
        QFile f(photo);
        f.open(QIODevice::ReadOnly);
        const QByteArray octets = f.readAll();
        tjhandle d = tjInitDecompress();
        int l = 0, h = 0, e = 0, c = 0;
        tjDecompressHeader3(d, reinterpret_cast<const uchar*>(octets.constData()),
                            (unsigned long)octets.size(), &l, &h, &e, &c);
        QImage image(l, h, QImage::Format_RGB32);
        tjDecompress2(d, reinterpret_cast<const uchar*>(octets.constData()),
                      (unsigned long)octets.size(), image.bits(), l, 0, h, TJPF_BGRX, 0);
        tjDestroy(d);
        tjhandle k = tjInitCompress();
        uchar* jpeg = nullptr;
        unsigned long taille = 0;
        tjCompress2(k, image.constBits(), l, 0, h, TJPF_BGRX, &jpeg, &taille, TJSAMP_420, 90, 0);
        QFile o(cible);
        o.open(QIODevice::WriteOnly);
        o.write(reinterpret_cast<const char*>(jpeg), qint64(taille));
        tjFree(jpeg);
        tjDestroy(k);
    });
    std::printf("\nText written, quality 90, metadata kept, file written\n");
    ligne("bare decode + encode + write (floor)", brut, brut);
    ligne("Vimbral", texte, brut);

    // A batch of 40 photos to 50 %, on every core and on one thread.
    QStringList noms;
    for (int i = 0; i < 40; ++i) {
        const QString nom = QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        QFile::copy(photos + QStringLiteral("/modele%1.jpg").arg(i % 4), photos + "/" + nom);
        noms.append(nom);
    }
    auto lot = [&](int travailleurs) {
        return Mediane(
            3,
            [&] {
                RedimensionnerLot(fichiers, photos + "/", noms, sortie + "/lot",
                                  RegleTaille::Pourcentage, 50, {}, {}, travailleurs);
            },
            [&] { QDir().mkpath(sortie + "/lot"); },
            [&] { QDir(sortie + "/lot").removeRecursively(); });
    };
    const double seul = lot(1);
    const double tous = lot(0);
    std::printf("\nBatch of 40 photos to 50 %%\n");
    ligne("one thread", seul, seul);
    ligne("every core", tous, seul);
    return 0;
}
