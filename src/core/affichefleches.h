#pragma once

// Which of the two step-move arrows the main window shows.
struct EtatFleches {
    bool ImgUp = false;
    bool ImgDown = false;

    bool operator==(const EtatFleches&) const = default;
};

// The arrows of a list of nombreEntrees entries whose current entry is IndexCourant; a
// negative or out-of-range index means the list has no current entry. An arrow that would
// move the entry out of the list is hidden.
EtatFleches Affiche_Fleches(int nombreEntrees, int IndexCourant);
