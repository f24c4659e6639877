#include "preselection.h"

#include "nomsfichiers.h"

#include <cmath>

bool EstNombre(const QString& texte) {
    bool ok = false;
    texte.trimmed().toDouble(&ok);
    return ok;
}

namespace {

int valeur(const QString& texte) {
    return int(std::lround(texte.trimmed().toDouble()));
}

} // namespace

Selection Preselection(const QString& nom, RegleSelection regle, const QString& chaineLiaison,
                       const QString& debutSelection, const QString& finSelection) {
    const int L = int(nom.size());
    const bool marque = NomsFichiers::EstMarque(nom);
    QString debut = debutSelection;
    QString fin = finSelection;
    if (regle == RegleSelection::ListeIncrementee) {
        const qsizetype lien = chaineLiaison.isEmpty() ? -1 : nom.indexOf(chaineLiaison);
        const qsizetype premier = lien < 0 ? nom.size() : lien;
        debut = QString::number(premier + chaineLiaison.size());
        fin = QStringLiteral("4");
    } else if (regle == RegleSelection::Optimale) {
        return {0, L - (marque ? 10 : 4)};
    }
    const int d = valeur(debut);
    const int f = valeur(fin);
    Selection s;
    s.debut = d >= 0 ? d : L + d;
    if (f < 0)
        s.longueur = -f;
    else if (fin == QLatin1String("00"))
        s.longueur = 0;
    else
        s.longueur = (L - s.debut) - (marque ? f + 6 : f);
    return s;
}

QString DecrireLiaison(const QString& chaineLiaison) {
    QString d = chaineLiaison;
    d.replace(QLatin1Char(' '), QStringLiteral("espace / "));
    d.replace(QLatin1Char('_'), QStringLiteral("tiret bas / "));
    d.replace(QLatin1Char('-'), QStringLiteral("tiret 6 / "));
    if (d.endsWith(QLatin1String("/ ")))
        d.chop(2);
    return d;
}
