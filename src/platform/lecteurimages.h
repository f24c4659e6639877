#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// Pictures read from files, upright (EXIF orientation applied) and decoded at the size they
// will be shown at, so that a large photo is never fully decoded for a small preview.
struct ImageLue {
    QImage image;
    // The picture's own size in pixels, upright.
    QSize taille;
    // The file's size in bytes.
    qint64 octets = 0;
};

class LecteurImages {
public:
    // tailleVoulue receives the picture's own size and answers the size to show it at;
    // nothing when the file is not a picture Qt can read. Only a regular file is read, and
    // opening never waits (a named pipe that took a photo's name would block for good).
    static std::optional<ImageLue> Lire(const QString& chemin,
                                        const std::function<QSize(QSize)>& tailleVoulue);
};
