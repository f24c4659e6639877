#pragma once

#include <QSize>
#include <array>

// The main window's layout figures, in twips (15 per pixel): the window's size as designed,
// the size it takes on this screen, and the scales between them.
struct Disposition {
    int LargeurDessin = 0;
    int HauteurDessin = 0;
    int LargeurCible = 0;
    int HauteurCible = 0;
    int LargeurEcran = 0;
    int HauteurEcran = 0;
    float EchelleX = 1;
    float EchelleY = 1;
    float EchelleEcranX = 1;
    float EchelleEcranY = 1;
};

constexpr int TwipsParPixel = 15;

// The window takes the screen up to 1024 x 768 pixels, less 400 twips of height; the screen
// scales compare the screen with 800 x 600 pixels. Computed in 32 bits: screens wider than
// 1365 pixels overflow 16-bit figures.
Disposition CalculerDisposition(int largeurDessin, int hauteurDessin, QSize ecranPixels);

// The colour of row y of a vertical gradient from (r1, g1, b1) at premiereLigne to
// (r2, g2, b2) at hauteur - margeBas, each component rounded.
std::array<int, 3> CouleurDegrade(const std::array<int, 3>& debut, const std::array<int, 3>& fin,
                                  int premiereLigne, int margeBas, int hauteur, int y);
