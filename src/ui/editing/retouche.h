#pragma once

#include "renommageclavier.h"

#include <memory>

class FrmPhoto;
class IncrustationTexte;
class Redimensionnement;
class Rotation;

// Picture editing: resizing, text overlay and rotation, and their steps in the keyboard
// renaming's commit (the overlay first, then the rotation's question).
class Retouche {
public:
    explicit Retouche(FrmPhoto& fenetre);
    ~Retouche();

private:
    RenommageClavier::Etape EtapesCommit(int& rang);

    FrmPhoto& m_f;
    std::unique_ptr<Redimensionnement> m_redimensionnement;
    IncrustationTexte* m_incrustation;
    std::unique_ptr<Rotation> m_rotation;
};
