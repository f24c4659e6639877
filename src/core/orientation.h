#pragma once

#include <QPoint>

// The EXIF orientations 1 to 8: how a picture stored in a file is turned or mirrored to be
// seen upright. Any other number counts as 1.
namespace Orientation {

// Orientation 1 to 8 as one gesture on the stored picture: mirrored left to right first
// (miroir), then turned quartsHoraires quarter turns clockwise.
struct Geste {
    bool miroir = false;
    int quartsHoraires = 0;
    bool operator==(const Geste&) const = default;
};
Geste Decomposer(int orientation);

// The orientation that shows the stored picture as orientation shows it, then turned
// quartsGauche quarter turns to the left (counter-clockwise): what a stored picture must
// undergo so that, written with orientation 1, it looks as the user turned it.
int Composer(int orientation, int quartsGauche);

// Whether the picture is seen with its width and height exchanged (5 to 8).
bool Couchee(int orientation);

// Where the pixel at column x, row y (from the top) of a stored picture of largeur x
// hauteur pixels is seen.
QPoint Destination(int orientation, int x, int y, int largeur, int hauteur);

} // namespace Orientation
