#include "editeurimages.h"

#include "fichiers.h"
#include "orientation.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTransform>

#include <exiv2/exiv2.hpp>
#include <turbojpeg.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

struct MetadonneesImage {
    Exiv2::ExifData exif;
    Exiv2::IptcData iptc;
    Exiv2::XmpData xmp;
    QByteArray icc;

    bool vide() const { return exif.empty() && iptc.empty() && xmp.empty() && icc.isEmpty(); }
};

namespace {

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "Format_RGB32 is read as TJPF_BGRX");

// 96 pixels per inch: a font size in points then gives the size it had on the screen.
constexpr int PointsParMetre = 3780;

// The XMP parser of exiv2 must be set up once, with a lock, before threads use it.
void preparerExiv2() {
    static std::once_flag fait;
    static std::mutex verrou;
    std::call_once(fait, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize(
            [](void* donnees, bool verrouiller) {
                auto* m = static_cast<std::mutex*>(donnees);
                if (verrouiller)
                    m->lock();
                else
                    m->unlock();
            },
            &verrou);
    });
}

// The whole content of a regular file, read without ever waiting on a pipe or a device.
std::optional<QByteArray> lireFichierRegulier(const QString& chemin) {
    const int fd =
        ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> contenu;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        QByteArray octets;
        octets.resize(qsizetype(st.st_size));
        qsizetype lus = 0;
        while (lus < octets.size()) {
            const ssize_t n = ::read(fd, octets.data() + lus, size_t(octets.size() - lus));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            lus += n;
        }
        octets.truncate(lus);
        contenu = std::move(octets);
    }
    ::close(fd);
    return contenu;
}

struct Decompresseur {
    tjhandle h = tjInitDecompress();
    ~Decompresseur() {
        if (h)
            tjDestroy(h);
    }
};

struct Entete {
    int largeur = 0, hauteur = 0, echantillonnage = 0, couleurs = 0;
};

std::optional<Entete> enteteJpeg(tjhandle h, const QByteArray& octets) {
    Entete e;
    if (!h || tjDecompressHeader3(h, reinterpret_cast<const unsigned char*>(octets.constData()),
                                  (unsigned long)octets.size(), &e.largeur, &e.hauteur,
                                  &e.echantillonnage, &e.couleurs) != 0)
        return std::nullopt;
    return e;
}

std::shared_ptr<MetadonneesImage> lireMetadonnees(const QByteArray& octets) {
    preparerExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(
            reinterpret_cast<const Exiv2::byte*>(octets.constData()), long(octets.size()));
        if (!image.get())
            return nullptr;
        image->readMetadata();
        auto m = std::make_shared<MetadonneesImage>();
        m->exif = image->exifData();
        m->iptc = image->iptcData();
        m->xmp = image->xmpData();
        if (image->iccProfileDefined())
            m->icc = QByteArray(reinterpret_cast<const char*>(image->iccProfile()->pData_),
                                qsizetype(image->iccProfile()->size_));
        return m->vide() ? nullptr : m;
    } catch (...) {
        return nullptr;
    }
}

int orientationExif(const MetadonneesImage* m) {
    if (!m)
        return 1;
    const auto it = m->exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    if (it == m->exif.end() || it->count() == 0)
        return 1;
    const long valeur = it->toLong();
    return valeur >= 1 && valeur <= 8 ? int(valeur) : 1;
}

// Writes the source's metadata into a new JPEG of the given size: orientation 1, the new
// pixel dimensions, no embedded thumbnail.
std::optional<QByteArray> avecMetadonnees(const QByteArray& jpeg, const MetadonneesImage* m,
                                          const QSize& taille) {
    if (!m)
        return jpeg;
    preparerExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(
            reinterpret_cast<const Exiv2::byte*>(jpeg.constData()), long(jpeg.size()));
        image->readMetadata();
        Exiv2::ExifData exif = m->exif;
        if (!exif.empty()) {
            Exiv2::ExifThumb(exif).erase();
            exif["Exif.Image.Orientation"] = uint16_t(1);
            exif["Exif.Photo.PixelXDimension"] = uint32_t(taille.width());
            exif["Exif.Photo.PixelYDimension"] = uint32_t(taille.height());
            const std::pair<const char*, int> cotes[] = {
                {"Exif.Image.ImageWidth", taille.width()},
                {"Exif.Image.ImageLength", taille.height()}};
            for (const auto& [cle, valeur] : cotes)
                if (exif.findKey(Exiv2::ExifKey(cle)) != exif.end())
                    exif[cle] = uint32_t(valeur);
        }
        Exiv2::XmpData xmp = m->xmp;
        if (xmp.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation")) != xmp.end())
            xmp["Xmp.tiff.Orientation"] = "1";
        if (xmp.findKey(Exiv2::XmpKey("Xmp.exif.PixelXDimension")) != xmp.end())
            xmp["Xmp.exif.PixelXDimension"] = std::to_string(taille.width());
        if (xmp.findKey(Exiv2::XmpKey("Xmp.exif.PixelYDimension")) != xmp.end())
            xmp["Xmp.exif.PixelYDimension"] = std::to_string(taille.height());
        image->setExifData(exif);
        image->setIptcData(m->iptc);
        image->setXmpData(xmp);
        if (!m->icc.isEmpty()) {
            Exiv2::DataBuf icc(reinterpret_cast<const Exiv2::byte*>(m->icc.constData()),
                               long(m->icc.size()));
            image->setIccProfile(icc, false);
        }
        image->writeMetadata();
        Exiv2::BasicIo& io = image->io();
        if (io.open() != 0)
            return std::nullopt;
        const Exiv2::DataBuf ecrit = io.read(long(io.size()));
        io.close();
        return QByteArray(reinterpret_cast<const char*>(ecrit.pData_), qsizetype(ecrit.size_));
    } catch (...) {
        return std::nullopt;
    }
}

QImage surFondBlanc(const QImage& image) {
    if (image.format() == QImage::Format_RGB32)
        return image;
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage fond(image.size(), QImage::Format_RGB32);
    fond.fill(Qt::white);
    QPainter p(&fond);
    p.drawImage(0, 0, image);
    return fond;
}

// In place: on a picture shared with another QImage this would copy every pixel.
void a96ppp(QImage& image) {
    image.setDotsPerMeterX(PointsParMetre);
    image.setDotsPerMeterY(PointsParMetre);
}

// The scaling factor of 1/2, 1/4 or 1/8 that keeps the picture at least minimale, else 1.
tjscalingfactor reduction(const Entete& e, const QSize& minimale) {
    tjscalingfactor choisi{1, 1};
    if (minimale.isEmpty())
        return choisi;
    for (const int denominateur : {2, 4, 8}) {
        const tjscalingfactor f{1, denominateur};
        if (TJSCALED(e.largeur, f) < minimale.width() || TJSCALED(e.hauteur, f) < minimale.height())
            break;
        choisi = f;
    }
    return choisi;
}

QImage decoderTurbo(const ImageSource& source, const QSize& minimale) {
    Decompresseur d;
    const auto e = enteteJpeg(d.h, source.octets);
    // TurboJPEG does not turn CMYK into RGB: Qt's reader does.
    if (!e || e->couleurs == TJCS_CMYK || e->couleurs == TJCS_YCCK)
        return {};
    const QSize voulue =
        Orientation::Couchee(source.orientation) ? minimale.transposed() : minimale;
    const tjscalingfactor f = reduction(*e, voulue);
    QImage image(TJSCALED(e->largeur, f), TJSCALED(e->hauteur, f), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int r =
        tjDecompress2(d.h, reinterpret_cast<const unsigned char*>(source.octets.constData()),
                      (unsigned long)source.octets.size(), image.bits(), image.width(),
                      int(image.bytesPerLine()), image.height(), TJPF_BGRX, 0);
    // A warning (a truncated file) still gives the picture that could be read, as viewers
    // show it.
    if (r != 0 && tjGetErrorCode(d.h) != TJERR_WARNING)
        return {};
    return image;
}

// The JPEG a TurboJPEG call made (r its result), its buffer and the handle released.
std::optional<QByteArray> sortieTurbo(tjhandle h, int r, unsigned char* sortie,
                                      unsigned long taille) {
    std::optional<QByteArray> jpeg;
    if (r == 0)
        jpeg = QByteArray(reinterpret_cast<const char*>(sortie), qsizetype(taille));
    tjFree(sortie);
    tjDestroy(h);
    return jpeg;
}

int fermer(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

} // namespace

QSize ImageSource::taille() const {
    return Orientation::Couchee(orientation) ? tailleCodee.transposed() : tailleCodee;
}

namespace EditeurImages {

std::optional<ImageSource> Ouvrir(const QString& chemin) {
    auto octets = lireFichierRegulier(chemin);
    if (!octets || octets->isEmpty())
        return std::nullopt;
    ImageSource source;
    source.octets = std::move(*octets);
    QBuffer tampon(&source.octets);
    tampon.open(QIODevice::ReadOnly);
    source.format = QImageReader::imageFormat(&tampon);
    if (source.format.isEmpty())
        return std::nullopt;
    source.metadonnees = lireMetadonnees(source.octets);
    if (source.estJpeg()) {
        Decompresseur d;
        if (const auto e = enteteJpeg(d.h, source.octets)) {
            source.tailleCodee = QSize(e->largeur, e->hauteur);
            source.orientation = orientationExif(source.metadonnees.get());
            return source;
        }
    }
    tampon.seek(0);
    QImageReader lecteur(&tampon, source.format);
    lecteur.setAutoTransform(!source.estJpeg());
    const QSize taille = lecteur.size();
    if (!taille.isValid())
        return std::nullopt;
    source.tailleCodee = taille;
    if (source.estJpeg())
        source.orientation = orientationExif(source.metadonnees.get());
    else if (lecteur.transformation() & QImageIOHandler::TransformationRotate90)
        source.tailleCodee = taille.transposed();
    return source;
}

QImage Decoder(const ImageSource& source, QSize minimale) {
    QImage image;
    if (source.estJpeg())
        image = decoderTurbo(source, minimale);
    if (image.isNull()) {
        QByteArray octets = source.octets;
        QBuffer tampon(&octets);
        tampon.open(QIODevice::ReadOnly);
        QImageReader lecteur(&tampon, source.format);
        lecteur.setAutoTransform(!source.estJpeg());
        image = lecteur.read();
        if (image.isNull())
            return {};
        image = surFondBlanc(image);
    }
    if (source.estJpeg())
        image = Orienter(image, source.orientation);
    a96ppp(image);
    return image;
}

QImage Orienter(const QImage& image, int orientation) {
    const Orientation::Geste g = Orientation::Decomposer(orientation);
    QImage resultat = g.miroir ? image.mirrored(true, false) : image;
    if (g.quartsHoraires != 0)
        resultat = resultat.transformed(QTransform().rotate(90 * g.quartsHoraires));
    return resultat;
}

QImage TournerGauche(const QImage& image, int quartsGauche) {
    return Orienter(image, Orientation::Composer(1, quartsGauche));
}

QImage Redimensionner(const QImage& image, const QSize& taille) {
    if (image.size() == taille)
        return image;
    QImage reduite = image.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    a96ppp(reduite);
    return reduite;
}

std::optional<QByteArray> EncoderJpeg(const QImage& image, const ImageSource* source) {
    const QImage rgb = surFondBlanc(image);
    if (rgb.isNull())
        return std::nullopt;
    tjhandle h = tjInitCompress();
    if (!h)
        return std::nullopt;
    unsigned char* sortie = nullptr;
    unsigned long taille = 0;
    const int r = tjCompress2(h, rgb.constBits(), rgb.width(), int(rgb.bytesPerLine()),
                              rgb.height(), TJPF_BGRX, &sortie, &taille, TJSAMP_420, 90, 0);
    const auto jpeg = sortieTurbo(h, r, sortie, taille);
    if (!jpeg)
        return std::nullopt;
    return avecMetadonnees(*jpeg, source ? source->metadonnees.get() : nullptr, rgb.size());
}

std::optional<QByteArray> PivoterSansPerte(const ImageSource& source, int quartsGauche) {
    if (!source.estJpeg())
        return std::nullopt;
    const int resultat = Orientation::Composer(source.orientation, quartsGauche);
    if (resultat == 1 && source.orientation == 1)
        return source.octets;
    // The operation of the transform for each orientation 1 to 8.
    static constexpr int Operations[8] = {TJXOP_NONE,       TJXOP_HFLIP,     TJXOP_ROT180,
                                          TJXOP_VFLIP,      TJXOP_TRANSPOSE, TJXOP_ROT90,
                                          TJXOP_TRANSVERSE, TJXOP_ROT270};
    tjhandle h = tjInitTransform();
    if (!h)
        return std::nullopt;
    tjtransform t{};
    t.op = Operations[resultat - 1];
    t.options = TJXOPT_PERFECT;
    unsigned char* sortie = nullptr;
    unsigned long taille = 0;
    const int r = tjTransform(h, reinterpret_cast<const unsigned char*>(source.octets.constData()),
                              (unsigned long)source.octets.size(), 1, &sortie, &taille, &t, 0);
    const auto jpeg = sortieTurbo(h, r, sortie, taille);
    if (!jpeg)
        return std::nullopt;
    const QSize nouvelle =
        Orientation::Couchee(resultat) ? source.tailleCodee.transposed() : source.tailleCodee;
    return avecMetadonnees(*jpeg, source.metadonnees.get(), nouvelle);
}

std::optional<QByteArray> EncoderBmp(const QImage& image) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "bmp");
    if (!ecrivain.write(image))
        return std::nullopt;
    return octets;
}

Resultat Publier(Fichiers& fichiers, const QByteArray& contenu, const QString& destination) {
    const QString dossier = QFileInfo(destination).path();
    QString temporaire;
    int fd = -1;
    for (int essai = 0; essai < 100 && fd < 0; ++essai) {
        temporaire =
            dossier + QStringLiteral("/.vimbral-%1.tmp")
                          .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        fd = ::open(QFile::encodeName(temporaire).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return Resultat::echec(QString::fromLocal8Bit(std::strerror(errno)));
    int erreur = 0;
    for (qsizetype ecrits = 0; ecrits < contenu.size() && erreur == 0;) {
        const ssize_t n =
            ::write(fd, contenu.constData() + ecrits, size_t(contenu.size() - ecrits));
        if (n < 0 && errno != EINTR)
            erreur = errno;
        else if (n > 0)
            ecrits += n;
    }
    // On the disk before it takes the name: a crash never leaves a truncated photo.
    if (erreur == 0 && ::fsync(fd) != 0)
        erreur = errno;
    if (const int e = fermer(fd); erreur == 0)
        erreur = e;
    const QByteArray nomTemporaire = QFile::encodeName(temporaire);
    if (erreur != 0) {
        ::unlink(nomTemporaire.constData());
        return Resultat::echec(QString::fromLocal8Bit(std::strerror(erreur)));
    }
    const Resultat publie = fichiers.Renommer(temporaire, destination);
    if (!publie)
        ::unlink(nomTemporaire.constData());
    return publie;
}

} // namespace EditeurImages
