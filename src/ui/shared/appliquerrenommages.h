#pragma once

#include "renommage.h"

#include <QString>

struct Plateforme;
class FrmRenom;
class QListWidget;

struct BilanRenommage {
    // Steps whose file has its new name.
    int faits = 0;
    bool complet = true;
    // The system's reason, or the program's, for the step that stopped the batch.
    QString raison;
    // The rename journal could not be written: nothing was renamed.
    bool journalImpossible = false;
};

// The one place where a batch of the open folder is applied: file by file in plan order,
// through the no-replace rename, stopping at the first refusal. The plan is kept in the
// rename journal first. Each done file updates its list entry and report row, lets events
// run and pauses. Nothing is undone on a refusal: the renames made become the last renaming.
BilanRenommage AppliquerRenommages(const PlanRenommage& plan, const QString& repertoire,
                                   Plateforme& plateforme, QListWidget* liste, FrmRenom* rapport,
                                   int pauseMillisecondes = 150);
