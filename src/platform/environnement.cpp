#include "environnement.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

Environnement Environnement::Reel() {
    Environnement e;
    e.dossierProgramme =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Vimbral";
    e.dossierPersonnel = QDir::homePath();
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        e.ecran = ecran->geometry().size();
    e.version = QStringLiteral(VIMBRAL_VERSION);
    return e;
}
