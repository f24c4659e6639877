#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// The rename journal: what a batch planned, which file each step concerns, and how to bring
// names back. Paths are full paths.
namespace Journal {

// A file as the system knows it whatever its name: device, inode and size. A file renamed
// keeps it; a file replaced, rewritten or removed does not.
struct Identite {
    quint64 peripherique = 0;
    quint64 inode = 0;
    qint64 taille = -1;
    bool operator==(const Identite&) const = default;
};

struct Etape {
    QString ancien;
    QString nouveau;
    Identite identite;
    bool operator==(const Etape&) const = default;
};

// One file of a batch and the names it was given, from its first to its last: a file moved
// through a temporary name has more than two.
struct Fichier {
    Identite identite;
    QStringList noms;
    bool operator==(const Fichier&) const = default;
};
// The steps grouped by file, in the order the files first appear; a step whose file was
// unknown when it was planned is left out.
QList<Fichier> Fichiers(const QList<Etape>& etapes);

struct Mouvement {
    QString de;
    QString vers;
    // The step it serves; -1 for the move of a file to a temporary name.
    int etape = -1;
    bool operator==(const Mouvement&) const = default;
};

struct Plan {
    QList<Mouvement> mouvements;
    // Steps whose target stays taken by a file that is not part of the return.
    QList<int> laisses;
};

// The moves that give each file of `paires` (current path, wanted path) its wanted path,
// never onto a taken name: a step whose target is free goes first, a chain follows itself,
// a cycle (two files that swapped names) is broken through a temporary name of the same
// folder. `occupes` are the paths taken now; temporaire(vers, n) proposes the n-th
// temporary path for a file bound for `vers`.
Plan PlanifierRetour(const QList<QPair<QString, QString>>& paires, QSet<QString> occupes,
                     const std::function<QString(const QString&, int)>& temporaire);

// The temporary name used on the way: in the same folder, visible, never a leading dot.
QString NomTemporaire(const QString& vers, int n);

} // namespace Journal
