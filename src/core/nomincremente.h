#pragma once

#include <QString>
#include <QStringList>

// The grammar of an incremented name: number + link string + text + extension. The link
// string is matched exactly (case and spaces count); the extension is the last four
// characters before a mark when they start with a dot, else the text from the last dot.
namespace NomIncremente {

// Characters of the decimal text of a non-negative number.
int NombreChiffres(qint64 nombre);

// nombre padded with "0" to max(digits of the entry count, trimmed length of the start text);
// a wider number is written in full.
QString NumeroFormate(int nombre, int nombreEntrees, const QString& chiffreDepart);

bool EstIncremente(const QString& nom, const QString& liaison);
// The text before the first link string, spaces around it removed.
QString Numero(const QString& nom, const QString& liaison);
// The name split at every link string: the number first, the last piece ends with the
// extension (and the mark, when there is one).
QStringList Morceaux(const QString& nom, const QString& liaison);

// A marked name ends with the whole mark suffix.
bool EstMarque(const QString& nom);
// The extension with its dot, lower-cased (".jpg", ".jpeg"); "" for a name without a dot.
QString Extension(const QString& nom);
// The name without its extension and its mark.
QString TexteSansExtension(const QString& nom);

// The leading decimal number of a typed text (spaces before it skipped, a sign and a
// fraction read, rounded half to even); text without a number reads 0. Saturates far beyond
// the 16-bit range so that callers can refuse it.
qint64 ValeurNumerique(const QString& texte);

enum class ErreurTitre { Aucune, CaractereInterdit, ChaineLiaison, Vide };
// The checks on a list title, in the order the program makes them.
ErreurTitre VerifierTitre(const QString& titre, const QString& liaison);

} // namespace NomIncremente
