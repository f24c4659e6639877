#pragma once

#include "horlogelecture.h"
#include "lecteurson.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

// mp3 and wav files, through Qt Multimedia (its FFmpeg backend reads the duration from the
// file's header without decoding the sound).
class LecteurMedia : public LecteurSon {
public:
    LecteurMedia();
    ~LecteurMedia() override;

    void Charger(const QString& chemin) override;
    void Liberer() override;
    void Jouer() override;
    void Arreter() override;
    double Duree() const override { return m_duree; }
    double Position() const override;
    void DefinirPosition(double secondes) override;
    void DefinirVolume(int volume) override;

private:
    // Gives the file to the player and waits, a bounded time, until it is read.
    void Ouvrir();

    std::unique_ptr<QMediaPlayer> m_lecteur;
    std::unique_ptr<QAudioOutput> m_sortie;
    QString m_chemin;
    double m_duree = 0;
    bool m_lisible = false;
    bool m_ouvert = false;
    // Playing with no device: the position is the clock's.
    bool m_muet = true;
    HorlogeLecture m_horloge;
    int m_volume = 100;
};
