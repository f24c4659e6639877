#pragma once

#include <QByteArrayView>
#include <QString>

// The shooting date found in the first bytes of a file.
struct DateExif {
    // "DD/MM/YYYY hh:mm:ss", or "Lecture impossible".
    QString DatePhoto;
    // "YYYY-MM-DD hh:mm:ss", so that comparing the texts compares the times; a null string
    // when no date was read.
    QString DateTri;

    bool lue() const { return !DateTri.isNull(); }
};

// How many bytes of a file the date scan looks at; bytes past these are ignored.
inline constexpr qsizetype OctetsDateExif = 1000;

// Scans the first bytes of a file (one character per byte) for its first date-time text
// "YYYY:MM:DD hh:mm:ss", preferring the second one when there are two, as EXIF blocks put the
// modification date before the shooting date. Nothing else of the file is decoded, so a file
// of any kind whose header holds such a text gets a date. Never reads outside the view.
DateExif LireDateExif(QByteArrayView debut);
