#include "planincrementation.h"

#include <algorithm>

#include "nomincremente.h"

#include <limits>

namespace PlanIncrementation {

namespace {
bool estSelectionnee(const QList<bool>& selection, qsizetype i) {
    return i < selection.size() && selection[i];
}
} // namespace

Numerotation PlanNumerotation(const QStringList& entrees, const QList<bool>& selection,
                              const ParametresIncrementation& p) {
    Numerotation r;
    const int nombreEntrees = int(entrees.size());
    const int largeurListe = NomIncremente::NombreChiffres(nombreEntrees);
    int nombre = p.NumeroDepart - 1;
    int rang = 0;
    for (int i = 0; i < nombreEntrees; ++i) {
        const QString& nom = entrees[i];
        if (!estSelectionnee(selection, i)) {
            // Only a real number is widened: "Le _ chat.jpg" is not numbered.
            const QString numeroActuel = NomIncremente::Numero(nom, p.ChaineLiaison);
            if (!NomIncremente::EstIncremente(nom, p.ChaineLiaison) || numeroActuel.isEmpty() ||
                !std::all_of(numeroActuel.cbegin(), numeroActuel.cend(),
                             [](QChar ch) { return ch.isDigit(); }))
                continue;
            const qsizetype manque = largeurListe - numeroActuel.size();
            if (manque > 0)
                r.plan.etapes.append(
                    {i, nom, QString(manque, QLatin1Char('0')) + nom, -1, true, false});
            continue;
        }
        if (nombre >= std::numeric_limits<qint16>::max()) {
            r.plan.refus = true;
            break;
        }
        ++nombre;
        const QString numero = NomIncremente::NumeroFormate(nombre, nombreEntrees, p.ChiffreDepart);
        const QString extension = NomIncremente::Extension(nom);
        const QString texte =
            p.AvecTitre == 1 ? p.TitreListe : NomIncremente::TexteSansExtension(nom);
        QString nouveau;
        if (p.PositionNumero == 2) {
            nouveau = texte + p.ChaineLiaison + numero + extension;
        } else {
            if (texte.contains(p.ChaineLiaison))
                r.dejaIncrementee = true;
            nouveau = numero + p.ChaineLiaison + texte + extension;
        }
        r.plan.etapes.append({i, nom, nouveau, rang++, true, true});
    }
    ArreterAuNomRefuse(r.plan);
    return r;
}

PlanRenommage PlanSuppressionNumero(const QStringList& entrees, const QList<bool>& selection,
                                    const QString& liaison) {
    PlanRenommage plan;
    int rang = 0;
    for (int i = 0; i < entrees.size(); ++i) {
        if (!estSelectionnee(selection, i))
            continue;
        const QStringList morceaux = NomIncremente::Morceaux(entrees[i], liaison);
        // A name without the link string has nothing to remove (the pass would otherwise
        // double it).
        const QString nouveau =
            morceaux.size() < 2 ? entrees[i] : morceaux.first() + liaison + morceaux.last();
        plan.etapes.append({i, entrees[i], nouveau, rang++, false, true});
    }
    ArreterAuNomRefuse(plan);
    return plan;
}

PlanRenommage PlanRenommageListe(const QStringList& entrees, const QList<bool>& selection,
                                 const QString& liaison, const QString& titre) {
    PlanRenommage plan;
    int rang = 0;
    for (int i = 0; i < entrees.size(); ++i) {
        if (!estSelectionnee(selection, i))
            continue;
        const QString& nom = entrees[i];
        const QString nouveau = NomIncremente::Morceaux(nom, liaison).first() + liaison + titre +
                                NomIncremente::Extension(nom);
        plan.etapes.append({i, nom, nouveau, rang++, false, true});
    }
    ArreterAuNomRefuse(plan);
    return plan;
}

int PremiereNonIncrementee(const QStringList& entrees, const QList<bool>& selection,
                           const QString& liaison) {
    for (int i = 0; i < entrees.size(); ++i)
        if (estSelectionnee(selection, i) && !NomIncremente::EstIncremente(entrees[i], liaison))
            return i;
    return -1;
}

} // namespace PlanIncrementation
