#pragma once

class FrmPhoto;

// The arrows ImgUp and ImgDown: the current entry of LstFF moves one place up or down in the
// list only; nothing on disk changes.
class DeplacementPas {
public:
    // Connects the window's two arrows.
    explicit DeplacementPas(FrmPhoto& fenetre);

    void ImgUp_Click();
    void ImgDown_Click();
    // Shows the arrows that keep the current entry inside the list.
    void Affiche_Fleches();

private:
    // Moves the entry at IndexCourant to the index vers (one place away).
    void Deplacer(int vers);

    FrmPhoto& m_f;
};
