#include "loupe.h"

#include <algorithm>
#include <cmath>

namespace Loupe {

namespace {

struct Axe {
    double debut;
    double pointeur;
};

} // namespace

Pression Presser(const QSizeF& ecran, const QRectF& ajuste, const QPointF& point, double taux) {
    const QSizeF taille = ajuste.size() * taux;
    auto axe = [taux](double e, double t, double p) -> Axe {
        if (t <= e)
            return {e / 2 - t / 2, e / 2};
        double debut = std::min(e / 2 - p * taux, 0.0);
        if (debut < e - t)
            debut = e - t;
        return {debut, debut + p * taux};
    };
    const Axe x = axe(ecran.width(), taille.width(), point.x());
    const Axe y = axe(ecran.height(), taille.height(), point.y());
    return {QRectF(QPointF(x.debut, y.debut), taille), QPointF(x.pointeur, y.pointeur)};
}

Glissement Glisser(const QSizeF& ecran, const QRectF& image, const QPointF& pointeur,
                   const QPointF& pointZoom, double taux) {
    auto axe = [taux](double e, double t, double p, double& zoom) {
        if (t <= e)
            return e / 2 - t / 2;
        double debut = p - taux * zoom;
        if (debut > 0) {
            debut = 0;
            zoom = p / taux;
        }
        if (debut < e - t) {
            debut = e - t;
            zoom = (p - debut) / taux;
        }
        return debut;
    };
    Glissement g{{}, pointZoom};
    double zx = pointZoom.x();
    double zy = pointZoom.y();
    g.position = QPointF(axe(ecran.width(), image.width(), pointeur.x(), zx),
                         axe(ecran.height(), image.height(), pointeur.y(), zy));
    g.pointZoom = QPointF(zx, zy);
    return g;
}

double Taux(int index) {
    return 2 + 0.5 * std::clamp(index, 0, 4);
}

std::optional<int> IntervalleDiaporama(const QString& reponse) {
    QString texte = reponse.trimmed();
    texte.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double secondes = texte.toDouble(&ok);
    if (!ok || !(secondes >= 1 && secondes <= 3600))
        return std::nullopt;
    return int(std::lround(secondes * 1000));
}

} // namespace Loupe
