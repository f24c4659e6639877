#include "disposition.h"

#include <algorithm>
#include <cmath>

Disposition CalculerDisposition(int largeurDessin, int hauteurDessin, QSize ecranPixels) {
    Disposition d;
    d.LargeurDessin = largeurDessin;
    d.HauteurDessin = hauteurDessin;
    d.LargeurCible = std::min(ecranPixels.width(), 1024) * TwipsParPixel;
    d.HauteurCible = std::min(ecranPixels.height(), 768) * TwipsParPixel - 400;
    d.LargeurEcran = int(std::lround(double(largeurDessin) * ecranPixels.width() * TwipsParPixel /
                                     12000.0));
    d.HauteurEcran = int(std::lround(double(hauteurDessin) * ecranPixels.height() *
                                     TwipsParPixel / 9000.0));
    if (largeurDessin > 0 && hauteurDessin > 0) {
        d.EchelleX = float(d.LargeurCible) / float(largeurDessin);
        d.EchelleY = float(d.HauteurCible) / float(hauteurDessin);
        d.EchelleEcranX = float(d.LargeurEcran) / float(largeurDessin);
        d.EchelleEcranY = float(d.HauteurEcran) / float(hauteurDessin);
    }
    return d;
}

std::array<int, 3> CouleurDegrade(const std::array<int, 3>& debut, const std::array<int, 3>& fin,
                                  int premiereLigne, int margeBas, int hauteur, int y) {
    const int etendue = hauteur - premiereLigne - margeBas;
    std::array<int, 3> c{};
    for (size_t i = 0; i < 3; ++i) {
        const double pas = etendue > 0 ? double(fin[i] - debut[i]) / etendue : 0.0;
        c[i] = std::clamp(int(std::lround(debut[i] + pas * (y - premiereLigne))), 0, 255);
    }
    return c;
}
