#include "jpegexif.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>

namespace {

void ajouter16(QByteArray& o, quint16 v) {
    o.append(char(v & 0xFF));
    o.append(char(v >> 8));
}

void ajouter32(QByteArray& o, quint32 v) {
    ajouter16(o, quint16(v & 0xFFFF));
    ajouter16(o, quint16(v >> 16));
}

void entree(QByteArray& o, quint16 etiquette, quint16 type, quint32 nombre, quint32 valeur) {
    ajouter16(o, etiquette);
    ajouter16(o, type);
    ajouter32(o, nombre);
    ajouter32(o, valeur);
}

QByteArray ascii(const QString& date) {
    QByteArray a = date.toLatin1();
    a.append('\0');
    return a;
}

const QByteArray& imageJpeg() {
    static const QByteArray octets = [] {
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(QColor(200, 150, 90));
        QByteArray o;
        QBuffer tampon(&o);
        tampon.open(QIODevice::WriteOnly);
        image.save(&tampon, "JPG");
        return o;
    }();
    return octets;
}

constexpr quint16 Ascii = 2;
constexpr quint16 Long = 4;

// The TIFF block, little-endian, its data pushed back by marge bytes. debuts receives the
// offsets of the date texts in it.
QByteArray tiff(const QString& modification, const QString& prise, int marge, QList<int>& debuts) {
    const int n0 = int(!modification.isEmpty()) + int(!prise.isEmpty());
    const int finIfd0 = 8 + 2 + 12 * n0 + 4;
    const int texteModification = finIfd0 + marge;
    const int ifdExif = texteModification + (modification.isEmpty() ? 0 : 20);
    const int textePrise = ifdExif + 2 + 12 + 4;

    QByteArray o("II*\0", 4);
    ajouter32(o, 8);
    ajouter16(o, quint16(n0));
    if (!modification.isEmpty())
        entree(o, 0x0132, Ascii, 20, quint32(texteModification));
    if (!prise.isEmpty())
        entree(o, 0x8769, Long, 1, quint32(ifdExif));
    ajouter32(o, 0);
    o.append(QByteArray(marge, '\0'));
    if (!modification.isEmpty()) {
        debuts.append(int(o.size()));
        o.append(ascii(modification));
    }
    if (!prise.isEmpty()) {
        ajouter16(o, 1);
        entree(o, 0x9003, Ascii, 20, quint32(textePrise));
        ajouter32(o, 0);
        debuts.append(int(o.size()));
        o.append(ascii(prise));
    }
    return o;
}

// True when every ':' up to the end of the last date belongs to a date.
bool seulsLesDatesOntDesDeuxPoints(const QByteArray& o, const QList<int>& debuts) {
    const int fin = debuts.last() + 19;
    for (int i = 0; i < fin; ++i) {
        if (o[i] != ':')
            continue;
        bool dansUneDate = false;
        for (int d : debuts)
            dansUneDate = dansUneDate || (i >= d && i < d + 19);
        if (!dansUneDate)
            return false;
    }
    return true;
}

} // namespace

QByteArray JpegExif::contenu(const QString& dateModification, const QString& datePrise) {
    const QByteArray& image = imageJpeg();
    if (dateModification.isEmpty() && datePrise.isEmpty())
        return image;
    // Offsets and lengths are binary: one of them may be 0x3A, which is ':'. Pushing the
    // data back a byte at a time moves them off it.
    for (int marge = 0;; ++marge) {
        QList<int> debuts;
        const QByteArray bloc = tiff(dateModification, datePrise, marge, debuts);
        QByteArray segment("\xFF\xE1", 2);
        const int longueur = 2 + 6 + int(bloc.size());
        segment.append(char(longueur >> 8));
        segment.append(char(longueur & 0xFF));
        segment.append(QByteArray("Exif\0\0", 6));
        const int avant = 2 + int(segment.size());
        segment.append(bloc);
        QByteArray o = image.left(2) + segment + image.mid(2);
        for (int& d : debuts)
            d += avant;
        if (seulsLesDatesOntDesDeuxPoints(o, debuts))
            return o;
    }
}

QString JpegExif::creer(const QString& chemin, const QString& dateModification,
                        const QString& datePrise) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(contenu(dateModification, datePrise));
    return chemin;
}

QByteArray JpegExif::avecMiniature(const QByteArray& jpeg, const QByteArray& miniature,
                                   int orientation, bool grandBoutiste) {
    QByteArray t(grandBoutiste ? "MM\0*" : "II*\0", 4);
    auto nombre = [&](quint32 v, int octets) {
        for (int i = 0; i < octets; ++i)
            t.append(char(grandBoutiste ? v >> (8 * (octets - 1 - i)) : v >> (8 * i)));
    };
    auto champ = [&](quint16 etiquette, quint16 type, quint32 valeur) {
        nombre(etiquette, 2);
        nombre(type, 2);
        nombre(1, 4);
        // A SHORT sits in the first two bytes of the value.
        if (type == 3) {
            nombre(valeur, 2);
            nombre(0, 2);
        } else {
            nombre(valeur, 4);
        }
    };
    const int n0 = orientation ? 1 : 0;
    const quint32 ifd1 = miniature.isEmpty() ? 0 : quint32(8 + 2 + 12 * n0 + 4);
    nombre(8, 4);
    nombre(quint32(n0), 2);
    if (orientation)
        champ(0x0112, 3, quint32(orientation));
    nombre(ifd1, 4);
    if (ifd1) {
        nombre(3, 2);
        champ(0x0103, 3, 6);
        champ(0x0201, Long, ifd1 + 2 + 3 * 12 + 4);
        champ(0x0202, Long, quint32(miniature.size()));
        nombre(0, 4);
        t.append(miniature);
    }
    QByteArray segment("\xFF\xE1", 2);
    const int longueur = 2 + 6 + int(t.size());
    segment.append(char(longueur >> 8));
    segment.append(char(longueur & 0xFF));
    segment.append(QByteArray("Exif\0\0", 6));
    return jpeg.left(2) + segment + t + jpeg.mid(2);
}
