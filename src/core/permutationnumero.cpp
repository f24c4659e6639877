#include "permutationnumero.h"

#include "nomincremente.h"

namespace PermutationNumero {

QString Permuter(const QString& nom, const QString& liaison) {
    if (!NomIncremente::EstIncremente(nom, liaison))
        return nom;
    const QStringList morceaux = NomIncremente::Morceaux(nom, liaison);
    const QString& dernier = morceaux.last();
    // The extension follows the grammar of incremented names, so a moved name reads back
    // exactly as the incrementation would write it.
    return NomIncremente::TexteSansExtension(dernier) + liaison + morceaux.first() +
           NomIncremente::Extension(dernier);
}

PlanRenommage Planifier(const QStringList& entrees, const QString& liaison) {
    PlanRenommage plan;
    plan.etapes.reserve(entrees.size());
    for (qsizetype i = 0; i < entrees.size(); ++i)
        plan.etapes.append(
            {int(i), entrees[i], Permuter(entrees[i], liaison), int(i), false, true});
    ArreterAuNomRefuse(plan);
    return plan;
}

} // namespace PermutationNumero
