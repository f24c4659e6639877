#pragma once

#include <QImage>
#include <QString>

// Photos for the editing tests. Their four quarters, as stored, are red, green, blue and
// white (top left, top right, bottom left, bottom right); the JPEG files carry an EXIF
// orientation and shooting date, an embedded thumbnail, an IPTC caption, an XMP title and an
// sRGB profile.
namespace PhotosTest {

QImage quartiers(int largeur, int hauteur);
QString creer(const QString& chemin, int largeur, int hauteur, int orientation = 1);
// The colours of the four quarters' centres, "RGBW" for the picture as stored.
QString coins(const QImage& image);
// The file decoded as it is stored (no orientation applied).
QImage brute(const QString& chemin);

struct Meta {
    QString date;
    int orientation = 0;
    int largeurExif = 0;
    QString legende;
    QString titre;
    bool icc = false;
    bool vignette = false;
};
Meta lire(const QString& chemin);

} // namespace PhotosTest
