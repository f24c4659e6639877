#include "lecteurson.h"

#include <QAudio>
#include <QStandardPaths>

#include <algorithm>

QString ProgrammeMixeur() {
    for (const char* nom : {"pavucontrol", "pavucontrol-qt"}) {
        const QString chemin = QStandardPaths::findExecutable(QLatin1String(nom));
        if (!chemin.isEmpty())
            return chemin;
    }
    return {};
}

float VolumeLineaire(int volume) {
    return float(QAudio::convertVolume(std::clamp(volume, 0, 100) / 100.0,
                                       QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
}
