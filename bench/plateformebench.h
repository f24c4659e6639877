#pragma once

#include "dialoguesqt.h"
#include "fichierssysteme.h"
#include "horlogeqt.h"
#include "plateforme.h"
#include "shellqt.h"

// The real platform for a benchmark, with its program folder in the benchmark's own folder.
struct PlateformeBench {
    explicit PlateformeBench(const QString& programme = {}, const QString& personnel = {}) {
        plateforme.environnement.dossierProgramme = programme;
        plateforme.environnement.dossierPersonnel = personnel;
        plateforme.environnement.ecran = QSize(1280, 1024);
    }
    FichiersSysteme fichiers;
    DialoguesQt dialogues;
    HorlogeQt horloge;
    ShellQt shell;
    Plateforme plateforme{fichiers, dialogues, horloge, shell, {}};
};
