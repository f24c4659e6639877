#pragma once

#include <QString>

class FrmPhoto;

// The file list of the main window: which folder is open, filling the list by file type,
// the file-type box and the refresh command.
class ListeFichiers {
public:
    explicit ListeFichiers(FrmPhoto& fenetre);

    // RepertoireOuvert from the folder tree's path, always ending with "/".
    void CheminFichier();
    // Refills LstFF from the folder, then the captions and the command states.
    void Liste_Fichiers(const QString& dossier);
    void CboFileType_Click();
    void CmdRefresh_Click();

    // The substring of the type "Tri par chaîne de caractères", kept between listings.
    QString ChaineFiltre;

    // Empties the preview, the name box and the information line.
    void EffacerApercu();
    // The count caption and the commands that need files, from the entries there are now
    // (also after entries left the list without a new listing).
    void AfficherNombre();

private:
    FrmPhoto& m_f;
};
