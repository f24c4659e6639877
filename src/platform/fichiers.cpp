#include "fichiers.h"

#include "nomsfichiers.h"

#include <QDir>

QStringList Fichiers::Lister(const QString& dossier, const QString& motif) {
    QStringList noms = Lister(dossier);
    noms.removeIf([&](const QString& nom) { return !NomsFichiers::CorrespondMotif(nom, motif); });
    return noms;
}

Resultat Fichiers::CreerChemin(const QString& chemin) {
    const QString propre = QDir::cleanPath(chemin);
    if (propre.isEmpty() || EstDossier(propre))
        return Resultat::reussite();
    const qsizetype barre = propre.lastIndexOf(QLatin1Char('/'));
    if (barre > 0)
        if (Resultat parent = CreerChemin(propre.left(barre)); !parent)
            return parent;
    return CreerDossier(propre);
}
