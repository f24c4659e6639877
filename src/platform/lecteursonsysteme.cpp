#include "lecteursonsysteme.h"

void LecteurSonSysteme::Charger(const QString& chemin) {
    m_actif->Liberer();
    m_actif = chemin.endsWith(QLatin1String("mid"), Qt::CaseInsensitive)
                  ? static_cast<LecteurSon*>(&m_midi)
                  : &m_media;
    m_actif->Charger(chemin);
}

void LecteurSonSysteme::DefinirVolume(int volume) {
    m_media.DefinirVolume(volume);
    m_midi.DefinirVolume(volume);
}
