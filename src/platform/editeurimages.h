#pragma once

#include "resultat.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class Fichiers;
struct MetadonneesImage;

// A picture file opened for editing: its bytes, how it is turned to be seen upright, and the
// metadata (EXIF, IPTC, XMP, ICC profile) that its results keep.
struct ImageSource {
    QByteArray octets;
    // What the content is ("jpeg", "png", "bmp", "gif", ...), whatever the name says.
    QByteArray format;
    // The EXIF orientation of a JPEG, 1 to 8; other formats are read upright.
    int orientation = 1;
    // The size as coded in the file, before the orientation.
    QSize tailleCodee;
    std::shared_ptr<const MetadonneesImage> metadonnees;

    bool estJpeg() const { return format == "jpeg"; }
    // The size as seen.
    QSize taille() const;
};

// Reading pictures for editing and writing the JPEG files made from them: libjpeg-turbo for
// the pixels and the lossless turns, libexiv2 for the metadata. Every function may run on a
// worker thread.
namespace EditeurImages {

// Only a regular file is read, and opening never waits (a named pipe that took a photo's name
// would block for good). Nothing when the content is not a picture.
std::optional<ImageSource> Ouvrir(const QString& chemin);

// The picture upright, in Format_RGB32 (transparent parts laid on white), at 96 pixels per
// inch. When minimale is given, the JPEG decoder reduces the picture by 1/2, 1/4 or 1/8 as
// long as it stays at least that size. A null image when it cannot be decoded.
QImage Decoder(const ImageSource& source, QSize minimale = {});

// The picture as the orientation shows it; quartsGauche quarter turns to the left.
QImage Orienter(const QImage& image, int orientation);
QImage TournerGauche(const QImage& image, int quartsGauche);
// Smooth scaling, each result pixel the average of the source pixels it covers.
QImage Redimensionner(const QImage& image, const QSize& taille);

// JPEG at quality 90 carrying the source's metadata, with the orientation set to 1, the pixel
// dimensions of the new picture and no embedded thumbnail (it would show the old picture).
std::optional<QByteArray> EncoderJpeg(const QImage& image, const ImageSource* source);
// The coded picture of a JPEG turned quartsGauche quarter turns to the left as it is seen
// (its orientation folded in) without decoding it, with the metadata as above. Nothing when
// the picture's size does not allow the turn without cropping (blocks cut by an edge).
std::optional<QByteArray> PivoterSansPerte(const ImageSource& source, int quartsGauche);
std::optional<QByteArray> EncoderBmp(const QImage& image);

// Writes contenu to a new hidden file in the folder of destination, flushes it to the disk,
// then gives it the destination's name with the no-replace rename: a file of that name is
// never replaced, and a failure leaves no file behind.
Resultat Publier(Fichiers& fichiers, const QByteArray& contenu, const QString& destination);

} // namespace EditeurImages
