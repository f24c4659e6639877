#pragma once

#include <QSize>
#include <QString>

// Values the program takes from its surroundings, injected so that tests choose them.
struct Environnement {
    // Where the settings files, lists and "Photos sauvegardées" live; ends without "/".
    QString dossierProgramme;
    // The user's home: the default start folder and the root of the data-folder rule.
    QString dossierPersonnel;
    // The primary screen, in logical pixels.
    QSize ecran{1280, 1024};
    // major.minor.revision
    QString version;
    // The folder or photo named on the command line, absolute; empty when none.
    QString cheminOuverture;

    // The per-user program folder ($XDG_DATA_HOME/Vimbral), the home folder, the primary
    // screen and the build's version. Needs the application object.
    static Environnement Reel();
};
