#pragma once

#include "resultat.h"

#include <QList>
#include <QStringList>

// The table through which the chronological sort orders the list. It holds the rows of the
// last sort only.
class MagasinTri {
public:
    struct Ligne {
        QString nom;
        // "YYYY-MM-DD hh:mm:ss", or a null string for a file without a date.
        QString date;
    };

    virtual ~MagasinTri() = default;

    // Empties the table and stores these rows in their order, all or nothing.
    virtual Resultat Remplacer(const QList<Ligne>& lignes) = 0;
    // The stored names: the dated ones by date, equal dates in stored order, then the
    // undated ones in stored order. Fails with the store's reason.
    virtual Resultat LireOrdonne(QStringList& noms) = 0;
};
