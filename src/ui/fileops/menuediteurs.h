#pragma once

#include <QString>

class Editeurs;
class FrmPhoto;

// The main window's editor menu mnuEdit ("Choisir un nouveau programme", "Supprimer un
// programme", the programs) and the list's "Editer avec le programme par défaut".
class MenuEditeurs {
public:
    MenuEditeurs(FrmPhoto& fenetre, Editeurs& editeurs);

    void mnuChoisir_Click();
    void mnuSupp_Click();
    void mnuProg_Click(int k);
    void mnuEdDef_Click();

    // Set by mnuSupp: the next program clicked is removed instead of started.
    bool SuppressionEditeur = false;

private:
    void Remplir();
    void Retirer(int k);
    void RouvrirMenu();
    // The file of the one selected entry, in full; "" after saying why there is none.
    QString FichierChoisi();

    FrmPhoto& m_f;
    Editeurs& m_editeurs;
};
