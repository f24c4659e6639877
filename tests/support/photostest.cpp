#include "photostest.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <exiv2/exiv2.hpp>

namespace PhotosTest {

QImage quartiers(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    QPainter p(&image);
    const int l = largeur / 2, h = hauteur / 2;
    p.fillRect(0, 0, l, h, Qt::red);
    p.fillRect(l, 0, largeur - l, h, Qt::green);
    p.fillRect(0, h, l, hauteur - h, Qt::blue);
    p.fillRect(l, h, largeur - l, hauteur - h, Qt::white);
    return image;
}

QString creer(const QString& chemin, int largeur, int hauteur, int orientation) {
    QImage image = quartiers(largeur, hauteur);
    image.setColorSpace(QColorSpace::SRgb);
    QByteArray octets, vignette;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "jpg", 95);
    QBuffer petit(&vignette);
    petit.open(QIODevice::WriteOnly);
    image.scaled(16, 12).save(&petit, "jpg");
    auto photo = Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte*>(octets.constData()),
                                           long(octets.size()));
    photo->readMetadata();
    Exiv2::ExifData exif;
    exif["Exif.Image.Orientation"] = uint16_t(orientation);
    exif["Exif.Photo.DateTimeOriginal"] = "2019:07:14 10:30:00";
    exif["Exif.Photo.PixelXDimension"] = uint32_t(largeur);
    Exiv2::ExifThumb(exif).setJpegThumbnail(
        reinterpret_cast<const Exiv2::byte*>(vignette.constData()), long(vignette.size()));
    photo->setExifData(exif);
    Exiv2::IptcData iptc;
    iptc["Iptc.Application2.Caption"] = "Plage";
    photo->setIptcData(iptc);
    Exiv2::XmpData xmp;
    xmp["Xmp.dc.title"] = "Vacances";
    photo->setXmpData(xmp);
    photo->writeMetadata();
    Exiv2::BasicIo& io = photo->io();
    io.open();
    const Exiv2::DataBuf ecrit = io.read(long(io.size()));
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(reinterpret_cast<const char*>(ecrit.pData_), ecrit.size_);
    return chemin;
}

QString coins(const QImage& image) {
    QString c;
    for (const QPoint p : {QPoint(1, 1), QPoint(3, 1), QPoint(1, 3), QPoint(3, 3)}) {
        const QColor v = image.pixelColor(p.x() * image.width() / 4, p.y() * image.height() / 4);
        c += v.red() > 200 && v.green() > 200 ? 'W'
             : v.red() > 200                  ? 'R'
             : v.green() > 200                ? 'G'
             : v.blue() > 200                 ? 'B'
                                              : '?';
    }
    return c;
}

QImage brute(const QString& chemin) {
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(false);
    return lecteur.read().convertToFormat(QImage::Format_RGB32);
}

Meta lire(const QString& chemin) {
    Meta m;
    try {
        auto photo = Exiv2::ImageFactory::open(QFile::encodeName(chemin).toStdString());
        photo->readMetadata();
        const Exiv2::ExifData& exif = photo->exifData();
        if (auto it = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal")); it != exif.end())
            m.date = QString::fromStdString(it->toString());
        if (auto it = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation")); it != exif.end())
            m.orientation = int(it->toLong());
        if (auto it = exif.findKey(Exiv2::ExifKey("Exif.Photo.PixelXDimension")); it != exif.end())
            m.largeurExif = int(it->toLong());
        const auto legende = photo->iptcData().findKey(Exiv2::IptcKey("Iptc.Application2.Caption"));
        if (legende != photo->iptcData().end())
            m.legende = QString::fromStdString(legende->toString());
        const auto titre = photo->xmpData().findKey(Exiv2::XmpKey("Xmp.dc.title"));
        if (titre != photo->xmpData().end())
            m.titre = QString::fromStdString(titre->toString());
        m.icc = photo->iccProfileDefined();
        m.vignette = Exiv2::ExifThumbC(exif).copy().size_ > 0;
    } catch (...) {
    }
    return m;
}

} // namespace PhotosTest
