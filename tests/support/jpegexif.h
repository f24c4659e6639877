#pragma once

#include <QByteArray>
#include <QString>

// Small JPEG files whose EXIF block holds a modification date (DateTime, in the first IFD)
// and a shooting date (DateTimeOriginal, in the EXIF IFD), as cameras write them. Dates are
// "YYYY:MM:DD hh:mm:ss"; an empty date leaves its tag out, and with neither the file has no
// EXIF block at all. No ':' byte stands before the dates, so that the dates are the first
// date-time texts of the file. With the shooting date alone, ':' bytes of the picture data
// that follows may still decide the scan, as in a camera file holding one date.
namespace JpegExif {

QByteArray contenu(const QString& dateModification, const QString& datePrise);
// Writes the file (creating its folder) and answers its path.
QString creer(const QString& chemin, const QString& dateModification,
              const QString& datePrise = {});

// A JPEG file given an EXIF block: the orientation (0 leaves it out) in its first directory
// and, when miniature is not empty, that JPEG as the embedded thumbnail of its second one;
// in either byte order.
QByteArray avecMiniature(const QByteArray& jpeg, const QByteArray& miniature, int orientation,
                         bool grandBoutiste = false);

} // namespace JpegExif
