#include "lecteurmedia.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace {

// A backend that reads the file later than it is given still has this long.
constexpr int AttenteChargement = 3000;

} // namespace

LecteurMedia::LecteurMedia() = default;

LecteurMedia::~LecteurMedia() {
    if (m_lecteur)
        m_lecteur->stop();
}

void LecteurMedia::Ouvrir() {
    if (!m_lecteur)
        m_lecteur = std::make_unique<QMediaPlayer>();
    QMediaPlayer& l = *m_lecteur;
    m_ouvert = true;
    l.setSource(QUrl::fromLocalFile(m_chemin));
    auto attendre = [&] {
        return l.mediaStatus() == QMediaPlayer::LoadingMedia &&
               l.error() == QMediaPlayer::NoError && l.duration() <= 0;
    };
    if (attendre()) {
        // No click or key is taken meanwhile: the list's handling goes on afterwards.
        QEventLoop boucle;
        QTimer limite;
        limite.setSingleShot(true);
        QObject::connect(&limite, &QTimer::timeout, &boucle, &QEventLoop::quit);
        QObject::connect(&l, &QMediaPlayer::mediaStatusChanged, &boucle, &QEventLoop::quit);
        QObject::connect(&l, &QMediaPlayer::durationChanged, &boucle, &QEventLoop::quit);
        QObject::connect(&l, &QMediaPlayer::errorOccurred, &boucle, &QEventLoop::quit);
        limite.start(AttenteChargement);
        while (attendre() && limite.isActive())
            boucle.exec(QEventLoop::ExcludeUserInputEvents);
    }
    m_lisible = l.error() == QMediaPlayer::NoError &&
                l.mediaStatus() != QMediaPlayer::InvalidMedia && l.duration() > 0;
    m_duree = m_lisible ? double(l.duration()) / 1000 : 0;
}

void LecteurMedia::Charger(const QString& chemin) {
    Liberer();
    m_chemin = chemin;
    m_duree = 0;
    m_lisible = false;
    // A named pipe or a device under a sound's name would block the reading for good.
    if (QFileInfo(chemin).isFile())
        Ouvrir();
}

void LecteurMedia::Liberer() {
    Arreter();
    if (m_lecteur && m_ouvert)
        m_lecteur->setSource(QUrl());
    m_ouvert = false;
}

void LecteurMedia::Jouer() {
    m_horloge.Arreter();
    if (m_lisible && !m_ouvert)
        Ouvrir();
    const QAudioDevice appareil = QMediaDevices::defaultAudioOutput();
    // Without a device the player would play into nothing (Qt 6.4 even crashes there).
    m_muet = !m_lisible || appareil.isNull();
    if (m_muet) {
        if (m_lecteur)
            m_lecteur->setAudioOutput(nullptr);
        m_horloge.Demarrer();
        return;
    }
    if (!m_sortie)
        m_sortie = std::make_unique<QAudioOutput>(appareil);
    else if (m_sortie->device() != appareil)
        m_sortie->setDevice(appareil);
    m_sortie->setVolume(VolumeLineaire(m_volume));
    m_lecteur->setAudioOutput(m_sortie.get());
    m_lecteur->play();
}

void LecteurMedia::Arreter() {
    if (m_lecteur)
        m_lecteur->stop();
    m_horloge.Arreter();
    m_muet = true;
}

double LecteurMedia::Position() const {
    if (m_muet || !m_lecteur)
        return m_horloge.Position(m_duree);
    // The end of the sound keeps its position rather than going back to the start.
    if (m_lecteur->mediaStatus() == QMediaPlayer::EndOfMedia)
        return m_duree;
    return double(m_lecteur->position()) / 1000;
}

void LecteurMedia::DefinirPosition(double secondes) {
    if (m_muet || !m_lecteur)
        m_horloge.Definir(secondes);
    else
        m_lecteur->setPosition(qint64(secondes * 1000));
}

void LecteurMedia::DefinirVolume(int volume) {
    m_volume = volume;
    if (m_sortie)
        m_sortie->setVolume(VolumeLineaire(volume));
}
