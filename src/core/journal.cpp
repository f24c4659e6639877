#include "journal.h"

#include <QHash>

#include <algorithm>

namespace Journal {

QList<Fichier> Fichiers(const QList<Etape>& etapes) {
    QList<Fichier> fichiers;
    for (const Etape& e : etapes) {
        if (e.identite.taille < 0)
            continue;
        auto meme = std::find_if(fichiers.begin(), fichiers.end(), [&](const Fichier& f) {
            return f.identite == e.identite && f.noms.last() == e.ancien;
        });
        if (meme == fichiers.end())
            fichiers.append({e.identite, {e.ancien, e.nouveau}});
        else
            meme->noms.append(e.nouveau);
    }
    return fichiers;
}

Plan PlanifierRetour(const QList<QPair<QString, QString>>& paires, QSet<QString> occupes,
                     const std::function<QString(const QString&, int)>& temporaire) {
    Plan plan;
    struct Attente {
        QString de;
        QString vers;
        int etape;
    };
    QList<Attente> attente;
    for (qsizetype i = 0; i < paires.size(); ++i)
        if (paires[i].first != paires[i].second)
            attente.append({paires[i].first, paires[i].second, int(i)});
    int temporaires = 0;
    while (!attente.isEmpty()) {
        bool avance = false;
        for (qsizetype i = 0; i < attente.size();) {
            const Attente& a = attente[i];
            if (occupes.contains(a.vers)) {
                ++i;
                continue;
            }
            plan.mouvements.append({a.de, a.vers, a.etape});
            occupes.remove(a.de);
            occupes.insert(a.vers);
            attente.removeAt(i);
            avance = true;
        }
        if (avance)
            continue;
        // Nothing could move. Each waiting file points at the one holding its target, if any
        // waits: a cycle of them (files that swapped names) is broken by moving one aside; a
        // chain that ends on a name held by anything else leaves all its files.
        QHash<QString, qsizetype> parSource;
        for (qsizetype i = 0; i < attente.size(); ++i)
            parSource.insert(attente[i].de, i);
        qsizetype cycle = -1;
        for (qsizetype debut = 0; debut < attente.size() && cycle < 0; ++debut) {
            QSet<qsizetype> chemin;
            qsizetype j = debut;
            while (j >= 0 && !chemin.contains(j)) {
                chemin.insert(j);
                j = parSource.value(attente[j].vers, -1);
            }
            if (j >= 0)
                cycle = j;
        }
        if (cycle < 0) {
            for (const Attente& a : attente)
                plan.laisses.append(a.etape);
            break;
        }
        Attente& a = attente[cycle];
        QString cote;
        do
            cote = temporaire(a.vers, ++temporaires);
        while (occupes.contains(cote));
        plan.mouvements.append({a.de, cote, -1});
        occupes.remove(a.de);
        occupes.insert(cote);
        a.de = cote;
    }
    std::sort(plan.laisses.begin(), plan.laisses.end());
    return plan;
}

QString NomTemporaire(const QString& vers, int n) {
    const qsizetype barre = vers.lastIndexOf(QLatin1Char('/'));
    return vers.left(barre + 1) + QStringLiteral("Vimbral-temporaire-%1 ").arg(n) +
           vers.mid(barre + 1);
}

} // namespace Journal
