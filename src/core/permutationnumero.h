#pragma once

#include "renommage.h"

#include <QString>
#include <QStringList>

// Moving the number of an incremented name behind its text: «001 _ Plage.jpg» becomes
// «Plage _ 001.jpg», and the same rule brings a moved name back.
namespace PermutationNumero {

// Text of the last piece + link + first piece + extension of the last piece (lower-cased).
// Pieces between the first and the last and the mark are dropped. A name without the link
// string is returned as it is.
QString Permuter(const QString& nom, const QString& liaison);

// Every entry, in display order, report row = entry; the list entries stay as they are
// during the pass. Cut before a refused name (see ArreterAuNomRefuse).
PlanRenommage Planifier(const QStringList& entrees, const QString& liaison);

} // namespace PermutationNumero
