#pragma once

#include <QString>
#include <QStringList>

// Rules of the file operations: pasting, deleting, folder names, editor names.
namespace OperationsFichiers {

// What a pasted file is called when its name is taken in the destination.
inline const QString PrefixeCopie = QStringLiteral("Copie de ");

// The question before files go to the trash: the heading, a blank line, the first 15 names
// one per line, then how many others.
QString QuestionSuppression(const QStringList& noms);

// More than the 255 bytes a name may take on the system.
bool NomTropLong(const QString& nom);

enum class RefusNom { Aucun, Vide, CaractereInterdit, Point, TropLong };
// A folder name typed by the user. Only spaces counts as empty; the program's forbidden
// characters are refused as in file names; "." and ".." and names beginning with a dot (which
// would hide the folder) are refused.
RefusNom VerifierNomDossier(const QString& nom);

// The menu name proposed for a program file: its file name without its extension, when it
// has one (letters and digits after the last dot, a letter among them).
QString NomProposeProgramme(const QString& chemin);

} // namespace OperationsFichiers
