#pragma once

#include "appliquerrenommages.h"

#include <QStringList>

struct EtatProgramme;
class Dialogues;

// A batch pass shown in the report window, and the way every batch command ends on a
// refused rename.

// Opens the report on the old names (its rows), then applies the plan with the hourglass
// shown and ListeOccupee set; ListeOccupee is left to the caller.
BilanRenommage PasseAvecRapport(const PlanRenommage& plan, const QStringList& anciensNoms,
                                EtatProgramme& etat, Plateforme& plateforme, QListWidget* liste,
                                FrmRenom& rapport);

// The conflict message, or the journal's when that is why the batch did not start. A report
// left open mid-pass gets its end state first, so that its button is there to close it.
void SignalerConflit(Dialogues& dialogues, FrmRenom* rapport, const Plateforme& plateforme,
                     const BilanRenommage& bilan = {});
