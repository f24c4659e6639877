#pragma once

#include "lecteurmedia.h"
#include "lecteurmidi.h"

// The system's players behind one: MIDI files go to libfluidsynth, the others to Qt
// Multimedia.
class LecteurSonSysteme : public LecteurSon {
public:
    void Charger(const QString& chemin) override;
    void Liberer() override { m_actif->Liberer(); }
    void Jouer() override { m_actif->Jouer(); }
    void Arreter() override { m_actif->Arreter(); }
    double Duree() const override { return m_actif->Duree(); }
    double Position() const override { return m_actif->Position(); }
    void DefinirPosition(double secondes) override { m_actif->DefinirPosition(secondes); }
    void DefinirVolume(int volume) override;

private:
    LecteurMedia m_media;
    LecteurMidi m_midi;
    LecteurSon* m_actif = &m_media;
};
