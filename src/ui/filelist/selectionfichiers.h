#pragma once

#include <QString>

class FrmPhoto;

// The menu commands that set the list's selection as a whole.
class SelectionFichiers {
public:
    // Gives the three menu items and the case items their commands.
    explicit SelectionFichiers(FrmPhoto& fenetre);

    void mnuToutSel_Click();
    void mnuToutDel_Click();
    void mnuInversSel_Click();
    // Asks for a string and selects exactly the entries that contain it, with the case rule
    // that the case items have just written into CasseIgnoree.
    void SelectionParChaine();

    // The last string typed for the selection by substring.
    QString ChaineSelection;

private:
    FrmPhoto& m_f;
};
