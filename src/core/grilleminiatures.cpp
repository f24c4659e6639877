#include "grilleminiatures.h"

#include "apercu.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace GrilleMiniatures {

namespace {

double arrondi(double v) {
    return double(std::lround(v));
}

} // namespace

QSizeF TailleReduite(double largeur, double hauteur, qint64 octets) {
    if (largeur <= 0 || hauteur <= 0)
        return {};
    const double h = std::min(hauteur, octets >= 1500000 ? 200.0 : 100.0);
    return {h * (largeur / hauteur), h};
}

QRectF CadreImage(int i, const QSizeF& reduite, double echelleX, double echelleY) {
    const double centreY2 =
        arrondi(2 * (i * HauteurCellule + (HauteurCellule - HauteurImage) / 2) + HauteurImage);
    const QSizeF taille =
        TailleAffichee(reduite.width(), reduite.height(), arrondi(LargeurImage * echelleX),
                       arrondi(HauteurImage * echelleY));
    return CadreCentre(arrondi(LargeurColonne * echelleX), arrondi(centreY2 * echelleY), taille);
}

int HauteurColonne(int nombre, double echelleY) {
    const double cellules = nombre * HauteurCellule * echelleY + 5;
    const double cadre = HauteurCadre * echelleY;
    return int(std::lround(cellules > cadre ? cellules : cadre));
}

int Etendue(int hauteurColonne, double echelleY) {
    return std::max(0, hauteurColonne - int(std::lround(HauteurCadre * echelleY)));
}

Pas PasDefilement(int hauteurColonne, int nombre) {
    if (nombre <= 0)
        return {};
    const double utile = hauteurColonne - 5;
    return {int(std::lround(utile / (nombre / 6.0))), int(std::lround(utile / nombre))};
}

int DefilementVoisin(int maximum, int nombre, int choisie, int index) {
    if (choisie == 0 || index == 0 || nombre <= 0)
        return 0;
    return std::clamp(int(std::lround(maximum / (double(nombre) / choisie))), 0, maximum);
}

int DefilementDiaporama(int numero, int grand, int maximum) {
    return std::clamp((numero / 6) * grand, 0, maximum);
}

NumeroDepart LireNumeroDepart(const QString& reponse, int nombreFichiers) {
    NumeroDepart n;
    if (reponse.isEmpty())
        return n;
    static const QRegularExpression entier(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    if (!entier.match(reponse).hasMatch()) {
        n.issue = NumeroDepart::ErreurSaisie;
        return n;
    }
    bool ok = false;
    qlonglong valeur = reponse.trimmed().toLongLong(&ok);
    if (!ok) {
        // More digits than any count: a sign decides.
        valeur = reponse.trimmed().startsWith(QLatin1Char('-')) ? 0 : qlonglong(nombreFichiers) + 1;
    }
    if (valeur < 1) {
        n.premiereEstUn = true;
        valeur = 1;
    }
    if (valeur > nombreFichiers) {
        n.issue = NumeroDepart::TropGrand;
        return n;
    }
    n.issue = NumeroDepart::Accepte;
    n.premiere = int(valeur - 1);
    return n;
}

} // namespace GrilleMiniatures
