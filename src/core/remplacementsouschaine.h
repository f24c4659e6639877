#pragma once

#include "renommage.h"

#include <QList>
#include <QString>
#include <QStringList>

// Replacing a substring in the names of the selected entries.
namespace RemplacementSousChaine {

// The name without its mark suffix, with the first `nombre` occurrences (every one when
// negative, none when 0) of `cherchee` from character `debut` on (from 1) replaced, left to
// right, case counting, without looking again into replaced text. The characters before
// `debut` are kept; an empty `cherchee` replaces nothing.
QString Remplacer(const QString& nom, const QString& cherchee, const QString& remplacement,
                  qint64 debut, qint64 nombre);

struct Remplacement {
    // One name per entry: the new one for a selected entry, its own for the others.
    QStringList nouveauxNoms;
    // Selected entries in display order; cut before a refused name (see ArreterAuNomRefuse).
    PlanRenommage plan;
    // Two entries would end with the same name: nothing may be renamed.
    bool doublon = false;
};

Remplacement Planifier(const QStringList& entrees, const QList<bool>& selection,
                       const QString& cherchee, const QString& remplacement, qint64 debut,
                       qint64 nombre);

} // namespace RemplacementSousChaine
