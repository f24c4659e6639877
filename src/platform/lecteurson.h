#pragma once

#include <QString>

// A player of sound files. Loading a file does not make it heard, and its duration is known
// when Charger returns. With no audio device every operation still works, silently: the
// position runs as if the sound played. A file that cannot be read lasts 0 seconds and plays
// nothing.
class LecteurSon {
public:
    virtual ~LecteurSon() = default;
    virtual void Charger(const QString& chemin) = 0;
    // Stops and closes the file, so that nothing holds it open; Jouer opens it again.
    virtual void Liberer() = 0;
    virtual void Jouer() = 0;
    // Stops; the position goes back to the start.
    virtual void Arreter() = 0;
    // Seconds.
    virtual double Duree() const = 0;
    virtual double Position() const = 0;
    virtual void DefinirPosition(double secondes) = 0;
    // 0 to 100, on the scale the ear hears.
    virtual void DefinirVolume(int volume) = 0;
};

// The desktop's volume mixer: the first of its programs found on PATH; empty when none is.
QString ProgrammeMixeur();

// The gain a device applies for a volume of 0 to 100.
float VolumeLineaire(int volume);
