#include "degrade.h"

#include "disposition.h"

#include <QPainter>

void Degrade(QPainter& p, const QRect& zone, const QColor& debut, const QColor& fin,
             int premiereLigne, int margeBas) {
    const std::array<int, 3> a{debut.red(), debut.green(), debut.blue()};
    const std::array<int, 3> b{fin.red(), fin.green(), fin.blue()};
    const int hauteur = zone.height();
    for (int y = premiereLigne; y <= hauteur - margeBas; ++y) {
        const auto c = CouleurDegrade(a, b, premiereLigne, margeBas, hauteur, y);
        p.setPen(QColor(c[0], c[1], c[2]));
        p.drawLine(zone.left(), zone.top() + y, zone.right(), zone.top() + y);
    }
}
