#pragma once

#include "journal.h"

#include <QStringList>

class FrmPhoto;

// Takes back the last renaming from the rename journal ("Annuler le dernier renommage",
// Ctrl+Z), and at start-up finishes or takes back a batch that a crash cut off.
class AnnulationRenommage {
public:
    explicit AnnulationRenommage(FrmPhoto& fenetre);

    void Annuler();
    // True when it renamed or removed names (the list must then be read again).
    bool Recuperer();

private:
    struct Bilan {
        int ramenes = 0;
        QStringList laisses;
        bool journal = true;
    };
    // Gives each file its first name (versDebut) or its last one, through the journal and the
    // no-replace rename; a file that changed since, or whose name is taken by another, is
    // left as it is.
    Bilan Ramener(const QList<Journal::Fichier>& fichiers, bool versDebut);
    // Where each file stands now: the index of its name that holds it, -1 when none does.
    int Position(const Journal::Fichier& fichier);
    void Rapporter(const Bilan& bilan, const QString& fait);

    FrmPhoto& m_f;
};
