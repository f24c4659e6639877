#pragma once

#include "horlogelecture.h"
#include "lecteurson.h"
#include "tempsmidi.h"

#include <QStringList>

#include <memory>
#include <optional>

class QAudioSink;
class QIODevice;
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

// MIDI files, played by libfluidsynth with a General MIDI sound font. The duration comes from
// the file's own timing; the sound is made while it plays, into the default audio device.
// Without a sound font or a device it plays silently.
class LecteurMidi : public LecteurSon {
public:
    // The sound fonts tried, in order; the first that exists is used.
    explicit LecteurMidi(const QStringList& policesSon = PolicesSonHabituelles());
    ~LecteurMidi() override;
    // The General MIDI sound fonts where Debian and others install them.
    static QStringList PolicesSonHabituelles();

    void Charger(const QString& chemin) override;
    void Liberer() override;
    void Jouer() override;
    void Arreter() override;
    double Duree() const override { return m_temps ? m_temps->Duree() : 0; }
    double Position() const override;
    void DefinirPosition(double secondes) override;
    void DefinirVolume(int volume) override;

private:
    bool PreparerSynthese();
    bool Sonner(const QByteArray& octets);

    QString m_police;
    QString m_chemin;
    std::optional<TempsMidi> m_temps;
    fluid_settings_t* m_reglages = nullptr;
    fluid_synth_t* m_synthese = nullptr;
    fluid_player_t* m_joueur = nullptr;
    std::unique_ptr<QIODevice> m_flux;
    std::unique_ptr<QAudioSink> m_sortie;
    // With a device: the position at the last start or seek, and the device's count then.
    double m_base = 0;
    qint64 m_traiteBase = 0;
    HorlogeLecture m_horloge;
    int m_volume = 100;
};
