#include "orientation.h"

#include <array>

namespace {

// The 2 x 2 matrix (a b / c d) of an orientation, acting on (x, y) with y downwards.
struct Matrice {
    int a, b, c, d;
    bool operator==(const Matrice&) const = default;
    Matrice operator*(const Matrice& m) const {
        return {a * m.a + b * m.c, a * m.b + b * m.d, c * m.a + d * m.c, c * m.b + d * m.d};
    }
};

constexpr std::array<Matrice, 8> Matrices = {{
    {1, 0, 0, 1},   // 1 as stored
    {-1, 0, 0, 1},  // 2 mirrored left to right
    {-1, 0, 0, -1}, // 3 half turn
    {1, 0, 0, -1},  // 4 mirrored top to bottom
    {0, 1, 1, 0},   // 5 transposed
    {0, -1, 1, 0},  // 6 quarter turn clockwise
    {0, -1, -1, 0}, // 7 transverse
    {0, 1, -1, 0},  // 8 quarter turn counter-clockwise
}};

constexpr Matrice QuartGauche = Matrices[7];
constexpr Matrice QuartDroite = Matrices[5];
constexpr Matrice Miroir = Matrices[1];

int valide(int orientation) {
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

int numero(const Matrice& m) {
    for (int i = 0; i < 8; ++i)
        if (Matrices[i] == m)
            return i + 1;
    return 1;
}

} // namespace

namespace Orientation {

Geste Decomposer(int orientation) {
    const Matrice cible = Matrices[valide(orientation) - 1];
    for (const bool miroir : {false, true}) {
        Matrice m = miroir ? Miroir : Matrices[0];
        for (int quarts = 0; quarts < 4; ++quarts) {
            if (m == cible)
                return {miroir, quarts};
            m = QuartDroite * m;
        }
    }
    return {};
}

int Composer(int orientation, int quartsGauche) {
    Matrice m = Matrices[valide(orientation) - 1];
    for (int i = 0; i < ((quartsGauche % 4) + 4) % 4; ++i)
        m = QuartGauche * m;
    return numero(m);
}

bool Couchee(int orientation) {
    return valide(orientation) >= 5;
}

QPoint Destination(int orientation, int x, int y, int largeur, int hauteur) {
    const Matrice m = Matrices[valide(orientation) - 1];
    // Turned about the centre of the stored picture, then moved back into the seen one.
    const int cx = 2 * x - (largeur - 1);
    const int cy = 2 * y - (hauteur - 1);
    const int vx = m.a * cx + m.b * cy;
    const int vy = m.c * cx + m.d * cy;
    const bool couchee = Couchee(orientation);
    const int l = couchee ? hauteur : largeur;
    const int h = couchee ? largeur : hauteur;
    return {(vx + l - 1) / 2, (vy + h - 1) / 2};
}

} // namespace Orientation
