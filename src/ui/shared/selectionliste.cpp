#include "selectionliste.h"

#include <QItemSelectionModel>
#include <QListWidget>

#include <algorithm>
#include <utility>

namespace {

// The selected rows as sorted, merged [first, last] pairs: the model may hold overlapping
// ranges.
QList<std::pair<int, int>> Plages(const QListWidget* liste) {
    QList<std::pair<int, int>> plages;
    const QItemSelectionModel* modele = liste->selectionModel();
    if (!modele)
        return plages;
    for (const QItemSelectionRange& r : modele->selection())
        if (r.isValid())
            plages.append({r.top(), r.bottom()});
    std::sort(plages.begin(), plages.end());
    QList<std::pair<int, int>> fusion;
    for (const auto& p : plages) {
        if (!fusion.isEmpty() && p.first <= fusion.last().second + 1)
            fusion.last().second = std::max(fusion.last().second, p.second);
        else
            fusion.append(p);
    }
    return fusion;
}

} // namespace

int NombreSelectionnes(const QListWidget* liste) {
    int nombre = 0;
    for (const auto& [debut, fin] : Plages(liste))
        nombre += fin - debut + 1;
    return nombre;
}

int SeulSelectionne(const QListWidget* liste) {
    const QList<std::pair<int, int>> plages = Plages(liste);
    return plages.size() == 1 && plages.first().first == plages.first().second
               ? plages.first().first
               : -1;
}

QList<int> RangsSelectionnes(const QListWidget* liste) {
    QList<int> rangs;
    for (const auto& [debut, fin] : Plages(liste))
        for (int i = debut; i <= fin; ++i)
            rangs.append(i);
    return rangs;
}

void DefinirSelection(QListWidget* liste, const std::function<bool(int)>& choisi) {
    QItemSelection selection;
    QAbstractItemModel* modele = liste->model();
    const int nombre = liste->count();
    for (int i = 0; i < nombre;) {
        if (!choisi(i)) {
            ++i;
            continue;
        }
        const int debut = i;
        while (i < nombre && choisi(i))
            ++i;
        selection.append(QItemSelectionRange(modele->index(debut, 0), modele->index(i - 1, 0)));
    }
    liste->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void DeselectionnerAvant(QListWidget* liste, int fin) {
    if (fin <= 0)
        return;
    QAbstractItemModel* modele = liste->model();
    liste->selectionModel()->select(
        QItemSelection(modele->index(0, 0), modele->index(std::min(fin, liste->count()) - 1, 0)),
        QItemSelectionModel::Deselect);
}
