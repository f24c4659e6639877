#pragma once

#include <QString>

class Favoris;
class FrmPhoto;

// Folders: a new sub-folder of a chosen folder, opened at once (axBNouvRep); the open folder
// renamed and opened again under its new name (axBRep). Neither ever replaces anything.
class GestionDossiers {
public:
    GestionDossiers(FrmPhoto& fenetre, Favoris& favoris);

    void axBNouvRep_Click();
    void axBRep_Click();

    // Volume roots cannot be renamed; nor can the home, program or data folders, nor a
    // folder that holds one of them.
    bool Renommable(const QString& dossier) const;

private:
    // Everything that names the folder or a folder inside it follows the rename: the
    // history, the folders to scan at closing, the start folder, favourites and copy folders.
    void SuivreRenommage(const QString& ancien, const QString& nouveau);

    FrmPhoto& m_f;
    Favoris& m_favoris;
};
