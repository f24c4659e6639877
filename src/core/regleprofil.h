#pragma once

#include <QString>

// Whether a folder may hold the data folder: it must belong to the user (the home folder or
// inside it, or a path naming the profile folders "Documents and Settings", "Utilisateurs" or
// "Users") and must not be a shared profile (a path component "Public" or "Default").
// Paths use "/"; case is ignored.
bool DossierProfilAccepte(const QString& dossier, const QString& dossierPersonnel);

// The per-user program folder: $XDG_DATA_HOME/Vimbral, or ~/.local/share/Vimbral when the
// variable is empty or not an absolute path (which the XDG rules tell to ignore).
QString DossierProgrammeXdg(const QString& xdgDataHome, const QString& dossierPersonnel);
