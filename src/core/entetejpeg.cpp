#include "entetejpeg.h"

namespace {

// Reads within one block of bytes, in its byte order; every read out of bounds answers 0
// and marks the block as overrun.
class Octets {
public:
    Octets(QByteArrayView b, bool grandBoutiste) : m_b(b), m_grand(grandBoutiste) {}
    bool dedans(qint64 pos, qint64 n) const { return pos >= 0 && n >= 0 && pos + n <= m_b.size(); }
    quint32 lire(qint64 pos, int n) {
        if (!dedans(pos, n)) {
            deborde = true;
            return 0;
        }
        quint32 v = 0;
        for (int i = 0; i < n; ++i) {
            const quint32 o = quint8(m_b[pos + (m_grand ? i : n - 1 - i)]);
            v = (v << 8) | o;
        }
        return v;
    }
    bool deborde = false;

private:
    QByteArrayView m_b;
    bool m_grand;
};

// The TIFF block of an EXIF segment: the orientation of the first directory and the
// thumbnail of the second one.
void lireExif(QByteArrayView tiff, qint64 debutTiff, EnteteJpeg& e) {
    if (tiff.size() < 8)
        return;
    const bool grand = tiff.startsWith("MM");
    if (!grand && !tiff.startsWith("II"))
        return;
    Octets o(tiff, grand);
    if (o.lire(2, 2) != 42)
        return;
    const qint64 ifd0 = o.lire(4, 4);
    const quint32 n0 = o.lire(ifd0, 2);
    for (quint32 i = 0; i < n0 && !o.deborde; ++i) {
        const qint64 entree = ifd0 + 2 + 12 * qint64(i);
        if (o.lire(entree, 2) == 0x0112) {
            const quint32 v = o.lire(entree + 8, 2);
            e.orientation = v >= 1 && v <= 8 ? int(v) : 1;
        }
    }
    if (o.deborde)
        return;
    const qint64 ifd1 = o.lire(ifd0 + 2 + 12 * qint64(n0), 4);
    if (ifd1 == 0 || ifd1 == ifd0)
        return;
    const quint32 n1 = o.lire(ifd1, 2);
    qint64 debut = 0;
    qint64 longueur = 0;
    for (quint32 i = 0; i < n1 && !o.deborde; ++i) {
        const qint64 entree = ifd1 + 2 + 12 * qint64(i);
        const quint32 etiquette = o.lire(entree, 2);
        if (etiquette == 0x0201)
            debut = o.lire(entree + 8, 4);
        else if (etiquette == 0x0202)
            longueur = o.lire(entree + 8, 4);
    }
    if (o.deborde || debut <= 0 || longueur <= 0 || !o.dedans(debut, longueur))
        return;
    e.debutMiniature = debutTiff + debut;
    e.longueurMiniature = longueur;
}

} // namespace

std::optional<EnteteJpeg> LireEnteteJpeg(QByteArrayView b) {
    if (b.size() < 2 || quint8(b[0]) != 0xFF || quint8(b[1]) != 0xD8)
        return std::nullopt;
    EnteteJpeg e;
    Octets o(b, true);
    qint64 pos = 2;
    while (!o.deborde) {
        if (o.lire(pos, 1) != 0xFF)
            break;
        quint32 marqueur = o.lire(pos + 1, 1);
        // Fill bytes before a marker.
        while (marqueur == 0xFF && !o.deborde)
            marqueur = o.lire(++pos + 1, 1);
        if (marqueur == 0xD8 || marqueur == 0x01 || (marqueur >= 0xD0 && marqueur <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (marqueur == 0xD9 || marqueur == 0xDA || o.deborde)
            break;
        const qint64 longueur = o.lire(pos + 2, 2);
        if (longueur < 2)
            break;
        const qint64 donnees = pos + 4;
        const qint64 taille = longueur - 2;
        if (marqueur == 0xE1 && o.dedans(donnees, taille) && taille > 6 &&
            b.sliced(donnees, 6) == QByteArrayView("Exif\0\0", 6))
            lireExif(b.sliced(donnees + 6, taille - 6), donnees + 6, e);
        const bool trame = marqueur >= 0xC0 && marqueur <= 0xCF && marqueur != 0xC4 &&
                           marqueur != 0xC8 && marqueur != 0xCC;
        if (trame) {
            const int hauteur = int(o.lire(donnees + 1, 2));
            const int largeur = int(o.lire(donnees + 3, 2));
            if (!o.deborde && largeur > 0 && hauteur > 0)
                e.taille = QSize(largeur, hauteur);
            break;
        }
        pos = donnees + taille;
    }
    return e;
}
