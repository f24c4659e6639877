#pragma once

#include "dialogues.h"
#include "environnement.h"
#include "fichiers.h"
#include "horloge.h"
#include "shell.h"

// Every effect on the system, handed to the windows; tests hand their own.
struct Plateforme {
    Fichiers& fichiers;
    Dialogues& dialogues;
    Horloge& horloge;
    Shell& shell;
    Environnement environnement;
};
