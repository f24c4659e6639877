#include "son.h"

#include "apercu.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString deuxChiffres(qint64 n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

bool EstFichierSon(const QString& nom) {
    for (const char* fin : {"mp3", "wav", "mid"})
        if (nom.endsWith(QLatin1String(fin), Qt::CaseInsensitive))
            return true;
    return false;
}

qint64 SecondesEntieres(double secondes) {
    if (!(secondes > 0))
        return 0;
    return qint64(std::nearbyint(std::min(secondes, 1e12)));
}

QString TempsEcoule(double secondes) {
    const qint64 p = SecondesEntieres(secondes);
    return deuxChiffres(p / 60) + QLatin1Char(':') + deuxChiffres(p % 60);
}

QString TexteDuree(double secondes) {
    const qint64 s = SecondesEntieres(secondes);
    if (s < 3600)
        return TempsEcoule(double(s));
    return QString::number(s / 3600) + QLatin1Char(':') + deuxChiffres(s / 60 % 60) +
           QLatin1Char(':') + deuxChiffres(s % 60);
}

int MaximumCurseur(double duree) {
    if (!(duree >= 1))
        return 1;
    return int(std::min<qint64>(SecondesEntieres(duree), std::numeric_limits<int>::max()));
}

QString LigneSon(qint64 octets, double duree) {
    return QLatin1Char('(') + FormatTaille(octets) + QStringLiteral(")         Durée  ") +
           TexteDuree(duree);
}

bool CurseurVolume::Contient(int x, int y) const {
    return x >= Gauche && x <= Gauche + Largeur && y >= haut && y <= haut + Hauteur;
}

void CurseurVolume::Suivre(int y) {
    haut = std::clamp(y, CentreHaut, CentreBas) - Hauteur / 2;
}

int CurseurVolume::Volume() const {
    const double n = double(haut + Hauteur / 2 - CentreHaut) * 100 / (CentreBas - CentreHaut);
    return 100 - int(std::nearbyint(n));
}
