#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The program's list files. "Favoris.ini" and "Editer.ini" hold pairs of lines, a name then
// an absolute path; "Dos.ini" holds one folder path per line. UTF-8 and CR LF; a line ended
// by LF alone is read too.
namespace ListesDossiers {

struct Paire {
    QString nom;
    QString chemin;
    bool operator==(const Paire&) const = default;
};

// The pairs in file order. Blank lines are skipped. A damaged file (a line lost, lines
// added) is read back in step: a name goes with the next line only when that line is an
// absolute path; an absolute path with no path after it is an entry of its own, named by its
// path; any other lone line is dropped.
QList<Paire> LirePaires(const QByteArray& contenu);
QByteArray EcrirePaires(const QList<Paire>& paires);

// Folder paths, each ending with "/"; blank and relative lines are skipped.
QStringList LireDossiers(const QByteArray& contenu);
QByteArray EcrireDossiers(const QStringList& dossiers);

// The file without every line equal to one of these texts, the other lines as they were.
QByteArray RetirerLignes(const QByteArray& contenu, const QStringList& textes);

// False for a text that a line file cannot hold (a line break in it).
bool TientSurUneLigne(const QString& texte);

// A path into the folder ancien, or ancien itself, moved to nouveau; other paths unchanged.
// Trailing "/" are kept.
QString DeplacerChemin(const QString& chemin, const QString& ancien, const QString& nouveau);

} // namespace ListesDossiers
