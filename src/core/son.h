#pragma once

#include <QString>

// The texts and figures of the sound panel.

// Whether the list hands this name to the sound player: it ends in "mp3", "wav" or "mid",
// whatever the case.
bool EstFichierSon(const QString& nom);

// A position in whole seconds, halves to the even neighbour; nothing readable counts as 0.
qint64 SecondesEntieres(double secondes);

// The elapsed time "mm:ss" of a playing position, rounded to the second (halves to the even
// neighbour); minutes past 99 take three digits.
QString TempsEcoule(double secondes);

// A sound's duration: "mm:ss", or "h:mm:ss" from one hour on.
QString TexteDuree(double secondes);

// The position slider's maximum, in whole seconds: 1 for a sound shorter than a second (or
// one whose duration could not be read).
int MaximumCurseur(double duree);

// The information line of a sound file: its size and its duration.
QString LigneSon(qint64 octets, double duree);

// The volume control: a vertical track and a cursor that slides along it, in twips of the
// control. The cursor's centre stays between CentreHaut (volume 100) and CentreBas (0).
struct CurseurVolume {
    static constexpr int PisteGauche = 120, PisteHaut = 120, PisteLargeur = 90, PisteHauteur = 855;
    static constexpr int Gauche = 75, Largeur = 180, Hauteur = 120;
    static constexpr int CentreHaut = PisteHaut + Hauteur / 2;
    static constexpr int CentreBas = PisteHaut + PisteHauteur - Hauteur / 2;

    // The cursor's top.
    int haut = 750;

    bool Contient(int x, int y) const;
    // Puts the cursor's centre at y, kept on the track.
    void Suivre(int y);
    // The volume the cursor shows, 0 to 100.
    int Volume() const;
};
