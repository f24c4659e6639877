#include "apercu.h"

#include <cmath>

QSizeF TailleAffichee(double largeurPhoto, double hauteurPhoto, double largeurMax,
                      double hauteurMax, bool remplir) {
    if (largeurPhoto <= 0 || hauteurPhoto <= 0)
        return {};
    if (!remplir && largeurPhoto < largeurMax && hauteurPhoto < hauteurMax)
        return {largeurPhoto, hauteurPhoto};
    // Single precision, as the comparison was made on the rounded quotient.
    const float rapport = float(largeurPhoto) / float(hauteurPhoto);
    const float hauteurParLargeur = float(largeurMax) / rapport;
    if (hauteurParLargeur <= float(hauteurMax))
        return {largeurMax, double(hauteurParLargeur)};
    return {double(rapport * float(hauteurMax)), hauteurMax};
}

QRectF CadreCentre(double centreX2, double centreY2, const QSizeF& taille) {
    return {centreX2 / 2 - taille.width() / 2, centreY2 / 2 - taille.height() / 2,
            taille.width(), taille.height()};
}

QString FormatTaille(qint64 octets) {
    const qint64 n = octets < 0 ? -octets : octets;
    auto deuxDecimales = [](double v) {
        return QString::number(v, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
    };
    if (n < 1000)
        return QString::number(n) + QStringLiteral("  octets");
    if (n < 1000000)
        return deuxDecimales(double(n) / 1000) + QStringLiteral("  Ko");
    return deuxDecimales(double(n) / 1000000) + QStringLiteral(" Mo");
}

QString LigneInformations(qint64 octets, double largeur, double hauteur, const QString& date) {
    return FormatTaille(octets) + QStringLiteral("      L = ") +
           QString::number(std::lround(largeur)) + QStringLiteral("  x  H = ") +
           QString::number(std::lround(hauteur)) + QStringLiteral("      Date : ") + date;
}

int PauseChargement(qint64 octets) {
    if (octets < 1000000)
        return int(std::lround(double(octets) / 10000));
    return int(std::lround(double(octets) / 100000));
}
