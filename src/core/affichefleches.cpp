#include "affichefleches.h"

EtatFleches Affiche_Fleches(int nombreEntrees, int IndexCourant) {
    if (nombreEntrees < 2 || IndexCourant < 0 || IndexCourant >= nombreEntrees)
        return {false, false};
    return {IndexCourant > 0, IndexCourant < nombreEntrees - 1};
}
