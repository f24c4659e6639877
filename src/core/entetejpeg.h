#pragma once

#include <QByteArrayView>
#include <QSize>
#include <optional>

// What the first bytes of a JPEG file say before any picture data: the picture's size as
// stored, its EXIF orientation and where its embedded EXIF thumbnail lies.
struct EnteteJpeg {
    // Width and height as stored (before the orientation); invalid when the frame header
    // lies beyond the bytes given.
    QSize taille;
    // The EXIF orientation, 1 to 8 (1 when absent or out of range).
    int orientation = 1;
    // Offset from the file's start and length of the embedded thumbnail; length 0 when none.
    qint64 debutMiniature = 0;
    qint64 longueurMiniature = 0;
};

// Nothing when the bytes do not begin a JPEG file. Reads the markers up to the frame header
// and never past the bytes given, whatever their lengths and offsets claim.
std::optional<EnteteJpeg> LireEnteteJpeg(QByteArrayView debut);
