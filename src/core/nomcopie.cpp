#include "nomcopie.h"

std::optional<QString> NomDansDossier(const QString& nom,
                                      const std::function<bool(const QString&)>& pris) {
    if (!pris(nom))
        return nom;
    const QString copie = PrefixeCopie + nom;
    if (!pris(copie))
        return copie;
    return std::nullopt;
}
