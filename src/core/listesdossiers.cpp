#include "listesdossiers.h"

namespace ListesDossiers {

namespace {

QStringList lignes(const QByteArray& contenu) {
    QStringList resultat;
    for (QByteArray ligne : contenu.split('\n')) {
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        if (!ligne.isEmpty())
            resultat.append(QString::fromUtf8(ligne));
    }
    return resultat;
}

bool absolu(const QString& ligne) {
    return ligne.startsWith(QLatin1Char('/'));
}

QByteArray joindre(const QStringList& lignes) {
    QByteArray contenu;
    for (const QString& ligne : lignes)
        contenu += ligne.toUtf8() + "\r\n";
    return contenu;
}

} // namespace

QList<Paire> LirePaires(const QByteArray& contenu) {
    const QStringList l = lignes(contenu);
    QList<Paire> paires;
    for (qsizetype i = 0; i < l.size(); ++i) {
        if (i + 1 < l.size() && absolu(l[i + 1])) {
            paires.append({l[i], l[i + 1]});
            ++i;
        } else if (absolu(l[i])) {
            paires.append({l[i], l[i]});
        }
    }
    return paires;
}

QByteArray EcrirePaires(const QList<Paire>& paires) {
    QStringList l;
    for (const Paire& p : paires)
        l << p.nom << p.chemin;
    return joindre(l);
}

QStringList LireDossiers(const QByteArray& contenu) {
    QStringList dossiers;
    for (QString ligne : lignes(contenu)) {
        if (!absolu(ligne))
            continue;
        if (!ligne.endsWith(QLatin1Char('/')))
            ligne += QLatin1Char('/');
        dossiers.append(ligne);
    }
    return dossiers;
}

QByteArray EcrireDossiers(const QStringList& dossiers) {
    return joindre(dossiers);
}

QByteArray RetirerLignes(const QByteArray& contenu, const QStringList& textes) {
    QStringList gardees = lignes(contenu);
    gardees.removeIf([&](const QString& ligne) { return textes.contains(ligne); });
    return joindre(gardees);
}

bool TientSurUneLigne(const QString& texte) {
    return !texte.contains(QLatin1Char('\n')) && !texte.contains(QLatin1Char('\r'));
}

QString DeplacerChemin(const QString& chemin, const QString& ancien, const QString& nouveau) {
    if (chemin == ancien)
        return nouveau;
    const QString dedans = ancien.endsWith(QLatin1Char('/')) ? ancien : ancien + QLatin1Char('/');
    if (!chemin.startsWith(dedans))
        return chemin;
    const QString racine =
        nouveau.endsWith(QLatin1Char('/')) ? nouveau : nouveau + QLatin1Char('/');
    return racine + chemin.mid(dedans.size());
}

} // namespace ListesDossiers
