#include "lecteurmidi.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QStandardPaths>

#include <fluidsynth.h>

#include <algorithm>
#include <climits>

namespace {

constexpr int Frequence = 44100;
// Past this, a file under a MIDI name is not a MIDI file worth reading into memory.
constexpr qint64 TailleMaximale = 16 * 1024 * 1024;

// The synthesiser's sound, made as the device asks for it: 16-bit stereo frames.
class FluxSynthese : public QIODevice {
public:
    explicit FluxSynthese(fluid_synth_t* synthese) : m_synthese(synthese) {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return QIODevice::bytesAvailable() + 4 * 4096; }

protected:
    qint64 readData(char* donnees, qint64 taille) override {
        const int images = int(std::min<qint64>(taille / 4, 1 << 16));
        if (images <= 0)
            return 0;
        fluid_synth_write_s16(m_synthese, images, donnees, 0, 2, donnees, 1, 2);
        return qint64(images) * 4;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    fluid_synth_t* m_synthese;
};

QByteArray lireMidi(const QString& chemin) {
    // A named pipe or a device under a MIDI name would block the reading for good.
    const QFileInfo info(chemin);
    if (!info.isFile() || info.size() > TailleMaximale)
        return {};
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

LecteurMidi::LecteurMidi(const QStringList& policesSon) {
    for (const QString& p : policesSon)
        if (QFileInfo(p).isFile()) {
            m_police = p;
            break;
        }
    // Failures are handled here; the library's messages would only reach the terminal.
    for (int niveau : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(niveau, nullptr, nullptr);
}

LecteurMidi::~LecteurMidi() {
    Arreter();
    if (m_synthese)
        delete_fluid_synth(m_synthese);
    if (m_reglages)
        delete_fluid_settings(m_reglages);
}

QStringList LecteurMidi::PolicesSonHabituelles() {
    QStringList polices;
    for (const QString& racine :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        for (const char* nom :
             {"/sounds/sf2/FluidR3_GM.sf2", "/sounds/sf2/default-GM.sf2",
              "/sounds/sf2/TimGM6mb.sf2", "/soundfonts/default.sf2", "/soundfonts/FluidR3_GM.sf2"})
            polices.append(racine + QLatin1String(nom));
    return polices;
}

void LecteurMidi::Charger(const QString& chemin) {
    Liberer();
    m_chemin = chemin;
    m_temps = TempsMidi::Lire(lireMidi(chemin));
}

void LecteurMidi::Liberer() {
    // The file is read whole and closed at once: stopping is enough.
    Arreter();
}

bool LecteurMidi::PreparerSynthese() {
    if (m_synthese)
        return true;
    if (m_police.isEmpty())
        return false;
    m_reglages = new_fluid_settings();
    fluid_settings_setnum(m_reglages, "synth.sample-rate", Frequence);
    fluid_settings_setnum(m_reglages, "synth.gain", 0.8);
    m_synthese = new_fluid_synth(m_reglages);
    if (m_synthese &&
        fluid_synth_sfload(m_synthese, QFile::encodeName(m_police).constData(), 1) != FLUID_FAILED)
        return true;
    // A damaged sound font is not tried again.
    if (m_synthese)
        delete_fluid_synth(m_synthese);
    delete_fluid_settings(m_reglages);
    m_synthese = nullptr;
    m_reglages = nullptr;
    m_police.clear();
    return false;
}

bool LecteurMidi::Sonner(const QByteArray& octets) {
    const QAudioDevice appareil = QMediaDevices::defaultAudioOutput();
    if (octets.isEmpty() || appareil.isNull() || !PreparerSynthese())
        return false;
    m_joueur = new_fluid_player(m_synthese);
    if (!m_joueur ||
        fluid_player_add_mem(m_joueur, octets.constData(), size_t(octets.size())) == FLUID_FAILED ||
        fluid_player_play(m_joueur) == FLUID_FAILED) {
        Arreter();
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(Frequence);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    m_flux = std::make_unique<FluxSynthese>(m_synthese);
    m_flux->open(QIODevice::ReadOnly);
    m_sortie = std::make_unique<QAudioSink>(appareil, format);
    m_sortie->setVolume(VolumeLineaire(m_volume));
    m_sortie->start(m_flux.get());
    if (m_sortie->error() != QAudio::NoError) {
        Arreter();
        return false;
    }
    m_base = 0;
    m_traiteBase = m_sortie->processedUSecs();
    return true;
}

void LecteurMidi::Jouer() {
    Arreter();
    // Read again: the file may have changed since it was selected.
    const QByteArray octets = m_temps ? lireMidi(m_chemin) : QByteArray();
    if (!Sonner(octets))
        m_horloge.Demarrer();
}

void LecteurMidi::Arreter() {
    if (m_sortie)
        m_sortie->stop();
    m_sortie.reset();
    m_flux.reset();
    if (m_joueur) {
        fluid_player_stop(m_joueur);
        delete_fluid_player(m_joueur);
        m_joueur = nullptr;
    }
    if (m_synthese)
        fluid_synth_system_reset(m_synthese);
    m_horloge.Arreter();
}

double LecteurMidi::Position() const {
    if (!m_sortie)
        return m_horloge.Position(Duree());
    const double p = m_base + double(m_sortie->processedUSecs() - m_traiteBase) / 1e6;
    return std::clamp(p, 0.0, Duree());
}

void LecteurMidi::DefinirPosition(double secondes) {
    const double s = std::clamp(secondes, 0.0, Duree());
    if (!m_sortie || !m_temps) {
        m_horloge.Definir(s);
        return;
    }
    fluid_player_seek(m_joueur, int(std::min<qint64>(m_temps->Tick(s), INT_MAX)));
    m_base = s;
    m_traiteBase = m_sortie->processedUSecs();
}

void LecteurMidi::DefinirVolume(int volume) {
    m_volume = volume;
    if (m_sortie)
        m_sortie->setVolume(VolumeLineaire(volume));
}
