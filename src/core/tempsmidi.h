#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// The timing of a Standard MIDI File, read from its bytes: how long it plays and where a
// moment falls among its ticks. The tempo changes of every track count. A file cut short is
// read up to its last whole event; anything past a damaged event of a track is ignored.
class TempsMidi {
public:
    // Empty when the bytes do not begin with a usable MIDI header.
    static std::optional<TempsMidi> Lire(const QByteArray& octets);

    // Seconds from the start to the last event of any track.
    double Duree() const { return Secondes(m_dernierTick); }
    double Secondes(qint64 tick) const;
    qint64 Tick(double secondes) const;

private:
    // From tick onwards, each tick lasts secondesParTick; secondes is the time at tick.
    struct Segment {
        qint64 tick;
        double secondes;
        double secondesParTick;
    };
    QList<Segment> m_segments;
    qint64 m_dernierTick = 0;
};
