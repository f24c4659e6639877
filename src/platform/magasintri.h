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

    // Empties the table, stores these rows in their order and reads the names back: the
    // dated ones by date, equal dates in stored order, then the undated ones in stored
    // order. One transaction, all or nothing: another program sorting at the same time
    // cannot mix its rows into these. Fails with the store's reason.
    virtual Resultat Trier(const QList<Ligne>& lignes, QStringList& noms) = 0;
};
