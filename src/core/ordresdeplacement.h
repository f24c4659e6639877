#pragma once

#include <QList>
#include <optional>

// Where moved entries go in the file list. Entries are indices here: the list tags its source
// entries, inserts the new ones by the plan into the list that still holds the sources, then
// drops the sources.
namespace OrdresDeplacement {

// The options of the move window, by index; Aucun means none chosen or cancelled.
enum Ordre {
    DessusDansOrdre = 0,
    DessusInverse = 1,
    DessousDansOrdre = 2,
    DessousInverse = 3,
    Aucun = 4
};

struct Insertion {
    // Which moved entry: 0 is the topmost of them in list order.
    int k;
    // Where its new entry goes, in the list that still holds every source.
    int index;
};

// The insertions of nombre entries around the entry of 1-based rang, in the order they are
// made. Empty for Aucun or an unknown order.
QList<Insertion> Plan(int ordre, int rang, int nombre);

// The whole move on a list of nombreEntrees entries: the sources (indices in any order) go by
// the plan, then their old entries leave. Answers the old indices in their new order.
QList<int> Deplacer(int nombreEntrees, QList<int> sources, int ordre, int rang);

struct Cible {
    int rang;
    int ordre;
};

// The mouse wheel: the sources gather as one block and move pas places (negative: up),
// stopping at either end. Answers the move that does it, or nothing when the list would stay
// as it is.
std::optional<Cible> CibleMolette(int nombreEntrees, QList<int> sources, int pas);

} // namespace OrdresDeplacement
