#pragma once

class FrmPhoto;

// Marks: the suffix "   [M]" added to or taken from the selected files, on disk and in the
// list; the marking keys; the pair of buttons that selects the marked files or nothing.
class Marques {
public:
    // Connects axBM, axBDM, axBSel(0), axBSel(1) and puts the marking keys first.
    explicit Marques(FrmPhoto& fenetre);

    void Marquer();
    void Demarquer();
    // axBSel(0): the selection becomes exactly the marked entries.
    void SelectionnerMarques();
    // axBSel(1): nothing selected, nothing shown.
    void DeselectionnerTout();

private:
    // Renames every selected entry that needs it; the first refusal ends the pass and the
    // entry keeps its old name, as the file does.
    void Renommer(bool marquer);
    // Which one of the axBSel pair is shown.
    void AfficherPaire(bool deselectionner);

    FrmPhoto& m_f;
};
