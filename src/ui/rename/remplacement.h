#pragma once

class FrmPhoto;

// Replacing a substring in the names of the selected files (menu mnuremplace and F12), in
// two clicks: the first asks the user to select the files, the second asks the strings and
// numbers, previews every new name in the report window and renames after "Validez ?".
// It is also the remedy of the link-string check of the keyboard renaming.
class Remplacement {
public:
    // Gives mnuremplace its command.
    explicit Remplacement(FrmPhoto& fenetre);

    void mnuremplace_Click();

private:
    void DemanderSelection();
    void Remplacer();
    bool PoursuivreAvecChaineVide();
    // Every end of the second click: back to the first click, link-string flags cleared,
    // list refreshed.
    void Terminer();

    FrmPhoto& m_f;
};
