#pragma once

#include <QString>
#include <QStringList>

// Rules on bare file names shared by the listing and the marking commands.
namespace NomsFichiers {

// The mark suffix: three spaces and "[M]" after the whole name.
inline const QString MarqueM = QStringLiteral("   [M]");

bool EstMarque(const QString& nom);

// A name whose bytes are not UTF-8 cannot be reached through a text path. The listing gives
// it with this suffix, which holds a "/" so that no operation can take it for a file: it is
// shown, and refused by every command.
inline const QString SuffixeIllisible = QStringLiteral(" / nom illisible");
bool EstIllisible(const QString& nom);

// The folder enumeration's patterns: "*.*" matches every name, "*.ext" a name whose text
// after its last dot is ext (case ignored), "*.*   [M]" a name ending with the mark suffix.
bool CorrespondMotif(const QString& nom, const QString& motif);

// The enumeration order: case ignored (folded to upper case), ties broken by exact
// comparison.
bool AvantDans(const QString& a, const QString& b);
void TrierCommeDossier(QStringList& noms);

// Characters a user may not type in a name or a title. NUL is one: the system would cut the
// name there.
bool ContientCaractereInterdit(const QString& texte);

} // namespace NomsFichiers
