#include "environnement.h"

#include "regleprofil.h"
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

Environnement Environnement::Reel() {
    Environnement e;
    e.dossierPersonnel = QDir::homePath();
    e.dossierProgramme =
        DossierProgrammeXdg(qEnvironmentVariable("XDG_DATA_HOME"), e.dossierPersonnel);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        e.ecran = ecran->geometry().size();
    e.version = QStringLiteral(VIMBRAL_VERSION);
    return e;
}
