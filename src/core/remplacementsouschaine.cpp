#include "remplacementsouschaine.h"

#include "nomsfichiers.h"

#include <QSet>

#include <algorithm>

namespace RemplacementSousChaine {

QString Remplacer(const QString& nom, const QString& cherchee, const QString& remplacement,
                  qint64 debut, qint64 nombre) {
    const QString base =
        NomsFichiers::EstMarque(nom) ? nom.chopped(NomsFichiers::MarqueM.size()) : nom;
    // The kept head comes from the unmarked name, so a start inside the mark cannot leave a
    // piece of it behind.
    if (cherchee.isEmpty() || nombre == 0)
        return base;
    const qsizetype tete = std::clamp<qint64>(debut - 1, 0, base.size());
    QString resultat = base.left(tete);
    qsizetype position = tete;
    qint64 faits = 0;
    while (nombre < 0 || faits < nombre) {
        const qsizetype trouve = base.indexOf(cherchee, position, Qt::CaseSensitive);
        if (trouve < 0)
            break;
        resultat += QStringView(base).mid(position, trouve - position);
        resultat += remplacement;
        position = trouve + cherchee.size();
        ++faits;
    }
    resultat += QStringView(base).mid(position);
    return resultat;
}

Remplacement Planifier(const QStringList& entrees, const QList<bool>& selection,
                       const QString& cherchee, const QString& remplacement, qint64 debut,
                       qint64 nombre) {
    Remplacement r;
    r.nouveauxNoms.reserve(entrees.size());
    QSet<QString> vus;
    for (qsizetype i = 0; i < entrees.size(); ++i) {
        const QString& ancien = entrees[i];
        const bool choisi = i < selection.size() && selection[i];
        const QString nouveau =
            choisi ? Remplacer(ancien, cherchee, remplacement, debut, nombre) : ancien;
        r.nouveauxNoms.append(nouveau);
        if (vus.contains(nouveau))
            r.doublon = true;
        vus.insert(nouveau);
        if (choisi)
            r.plan.etapes.append({int(i), ancien, nouveau, -1, true, false});
    }
    ArreterAuNomRefuse(r.plan);
    return r;
}

} // namespace RemplacementSousChaine
