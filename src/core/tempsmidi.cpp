#include "tempsmidi.h"

#include <algorithm>
#include <cmath>

namespace {

struct Lecture {
    const QByteArray& o;
    qint64 p;
    qint64 fin;

    bool reste(qint64 n) const { return n >= 0 && p + n <= fin; }
    int octet() { return quint8(o[p++]); }
    quint32 grand(int n) {
        quint32 v = 0;
        for (int i = 0; i < n; ++i)
            v = v << 8 | quint32(octet());
        return v;
    }
    // A variable-length quantity: at most four bytes; -1 when it runs past the end.
    qint64 variable() {
        qint64 v = 0;
        for (int i = 0; i < 4; ++i) {
            if (!reste(1))
                return -1;
            const int b = octet();
            v = v << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return v;
        }
        return -1;
    }
};

struct Tempo {
    qint64 tick;
    quint32 microsecondesParNoire;
};

// Reads one track's events; gives its last tick and adds its tempo changes.
qint64 lirePiste(Lecture l, QList<Tempo>& tempos) {
    qint64 tick = 0;
    qint64 dernier = 0;
    int statut = 0;
    while (l.p < l.fin) {
        const qint64 delta = l.variable();
        if (delta < 0 || !l.reste(1))
            break;
        tick += delta;
        if (quint8(l.o[l.p]) & 0x80)
            statut = l.octet();
        else if (statut < 0x80 || statut >= 0xF0)
            break; // a data byte with no status to run on
        if (statut == 0xFF) {
            if (!l.reste(1))
                break;
            const int type = l.octet();
            const qint64 longueur = l.variable();
            if (longueur < 0 || !l.reste(longueur))
                break;
            if (type == 0x51 && longueur == 3) {
                Lecture t{l.o, l.p, l.fin};
                if (const quint32 tempo = t.grand(3))
                    tempos.append({tick, tempo});
            }
            l.p += longueur;
            dernier = tick;
            if (type == 0x2F)
                break;
            continue;
        }
        if (statut == 0xF0 || statut == 0xF7) {
            const qint64 longueur = l.variable();
            if (longueur < 0 || !l.reste(longueur))
                break;
            l.p += longueur;
            dernier = tick;
            continue;
        }
        if (statut >= 0xF0)
            break; // no such event in a file
        const int donnees = (statut & 0xE0) == 0xC0 ? 1 : 2;
        if (!l.reste(donnees))
            break;
        l.p += donnees;
        dernier = tick;
    }
    return dernier;
}

} // namespace

std::optional<TempsMidi> TempsMidi::Lire(const QByteArray& octets) {
    Lecture l{octets, 0, octets.size()};
    if (!octets.startsWith("MThd") || !l.reste(14))
        return std::nullopt;
    l.p = 4;
    const quint32 entete = l.grand(4);
    l.p = 12;
    const quint32 division = l.grand(2);
    if (entete < 6 || entete > quint32(octets.size()))
        return std::nullopt;

    TempsMidi t;
    double secondesParTick = 0;
    bool tempoFixe = false;
    if (division & 0x8000) {
        // Time codes: frames per second (29 stands for 29.97) and ticks per frame.
        const int images = -qint8(division >> 8);
        const int ticks = int(division & 0xFF);
        if (images <= 0 || ticks == 0)
            return std::nullopt;
        secondesParTick = 1.0 / ((images == 29 ? 29.97 : images) * ticks);
        tempoFixe = true;
    } else {
        if (division == 0)
            return std::nullopt;
        secondesParTick = 0.5 / division; // 120 beats a minute until a tempo says otherwise
    }

    QList<Tempo> tempos;
    l.p = 8 + qint64(entete);
    while (l.reste(8)) {
        const QByteArray type = octets.mid(l.p, 4);
        l.p += 4;
        const qint64 longueur = l.grand(4);
        const qint64 fin = std::min<qint64>(l.p + longueur, octets.size());
        if (type == "MTrk")
            t.m_dernierTick = std::max(t.m_dernierTick, lirePiste({octets, l.p, fin}, tempos));
        l.p = fin;
    }

    t.m_segments.append({0, 0, secondesParTick});
    if (!tempoFixe) {
        std::stable_sort(tempos.begin(), tempos.end(),
                         [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
        for (const Tempo& tempo : tempos) {
            const Segment& s = t.m_segments.last();
            const double parTick = tempo.microsecondesParNoire / 1e6 / division;
            if (tempo.tick == s.tick)
                t.m_segments.last().secondesParTick = parTick;
            else
                t.m_segments.append({tempo.tick,
                                     s.secondes + double(tempo.tick - s.tick) * s.secondesParTick,
                                     parTick});
        }
    }
    return t;
}

double TempsMidi::Secondes(qint64 tick) const {
    auto s = std::upper_bound(m_segments.begin(), m_segments.end(), tick,
                              [](qint64 t, const Segment& seg) { return t < seg.tick; });
    const Segment& seg = *(s - 1);
    return seg.secondes + double(tick - seg.tick) * seg.secondesParTick;
}

qint64 TempsMidi::Tick(double secondes) const {
    auto s = std::upper_bound(m_segments.begin(), m_segments.end(), secondes,
                              [](double t, const Segment& seg) { return t < seg.secondes; });
    const Segment& seg = s == m_segments.begin() ? *s : *(s - 1);
    return seg.tick + std::llround(std::max(0.0, secondes - seg.secondes) / seg.secondesParTick);
}
