#include "ordresdeplacement.h"

#include <algorithm>
#include <numeric>

namespace OrdresDeplacement {

QList<Insertion> Plan(int ordre, int rang, int nombre) {
    QList<Insertion> plan;
    const bool dessous = ordre == DessousDansOrdre || ordre == DessousInverse;
    const bool inverse = ordre == DessusInverse || ordre == DessousInverse;
    if (ordre < DessusDansOrdre || ordre > DessousInverse)
        return plan;
    const int base = dessous ? rang : rang - 1;
    for (int pas = 0; pas < nombre; ++pas) {
        const int k = inverse ? nombre - 1 - pas : pas;
        plan.append({k, base + (inverse ? nombre - 1 - k : k)});
    }
    return plan;
}

QList<int> Deplacer(int nombreEntrees, QList<int> sources, int ordre, int rang) {
    std::sort(sources.begin(), sources.end());
    sources.erase(std::unique(sources.begin(), sources.end()), sources.end());
    // An entry is its old index; a source is tagged by a negative copy until it leaves.
    QList<int> liste(nombreEntrees);
    std::iota(liste.begin(), liste.end(), 0);
    for (int s : sources)
        liste[s] = -1 - s;
    for (const Insertion& i : Plan(ordre, rang, int(sources.size())))
        liste.insert(std::clamp(i.index, 0, int(liste.size())), sources[i.k]);
    if (ordre == Aucun)
        for (int& e : liste)
            e = e < 0 ? -1 - e : e;
    liste.removeIf([](int e) { return e < 0; });
    return liste;
}

std::optional<Cible> CibleMolette(int nombreEntrees, QList<int> sources, int pas) {
    std::sort(sources.begin(), sources.end());
    sources.erase(std::unique(sources.begin(), sources.end()), sources.end());
    QList<int> autres;
    for (int i = 0; i < nombreEntrees; ++i)
        if (!std::binary_search(sources.cbegin(), sources.cend(), i))
            autres.append(i);
    if (sources.isEmpty() || autres.isEmpty())
        return std::nullopt;
    // The block starts where its first entry stands among the entries that stay.
    const int debut = std::clamp(sources.first() + pas, 0, int(autres.size()));
    const Cible cible = debut < autres.size() ? Cible{autres[debut] + 1, DessusDansOrdre}
                                              : Cible{autres.last() + 1, DessousDansOrdre};
    QList<int> identite(nombreEntrees);
    std::iota(identite.begin(), identite.end(), 0);
    if (Deplacer(nombreEntrees, sources, cible.ordre, cible.rang) == identite)
        return std::nullopt;
    return cible;
}

} // namespace OrdresDeplacement
