#pragma once

#include <QString>

// Whether a folder may hold the data folder: it must belong to the user (the home folder or
// inside it, or a path naming the profile folders "Documents and Settings", "Utilisateurs" or
// "Users") and must not be a shared profile (a path component "Public" or "Default").
// Paths use "/"; case is ignored.
bool DossierProfilAccepte(const QString& dossier, const QString& dossierPersonnel);
