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

// A new name no rename may give: empty, hidden from the list by a leading dot ("." and ".."
// included), a path ("/"), or one the system would cut short (NUL).
inline bool NomRefuse(const QString& nom) {
    return nom.isEmpty() || nom.startsWith(QLatin1Char('.')) || nom.contains(QLatin1Char('/')) ||
           nom.contains(QChar(0));
}

// Cuts the batch before its first refused new name, which then ends it as a refusal: the
// files before it are renamed, as with any other refused rename.
inline void ArreterAuNomRefuse(PlanRenommage& plan) {
    for (qsizetype i = 0; i < plan.etapes.size(); ++i) {
        if (NomRefuse(plan.etapes[i].nouveau)) {
            plan.etapes.resize(i);
            plan.refus = true;
            return;
        }
    }
}
