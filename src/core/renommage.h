#pragma once

#include <QList>
#include <QString>

// One step of a batch rename: a file of the open folder and the name it takes.
struct Renommage {
    // Index of the file's entry in the list.
    int entree = -1;
    QString ancien;
    QString nouveau;
    // Row of the report window that shows the new name (from 0), or -1 for a rename the
    // report does not show.
    int rangRapport = -1;
    // The list entry takes the new name once the file has it.
    bool majEntree = true;
    // The pause between files is the user's chance to watch the report; the silent steps
    // go without it.
    bool pause = true;

    bool operator==(const Renommage&) const = default;
};

// A batch, computed whole before anything is renamed. When refus is set the batch must stop
// after its steps with the conflict message (a number that cannot be written).
struct PlanRenommage {
    QList<Renommage> etapes;
    bool refus = false;
};
