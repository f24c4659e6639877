#pragma once

#include "dialogues.h"
#include "environnement.h"
#include "fichiers.h"
#include "horloge.h"
#include "shell.h"

class LecteurSon;

// Every effect on the system, handed to the windows; tests hand their own.
struct Plateforme {
    Fichiers& fichiers;
    Dialogues& dialogues;
    Horloge& horloge;
    Shell& shell;
    Environnement environnement;
    // The sound player; none given: the main window uses the system's.
    LecteurSon* son = nullptr;
};
