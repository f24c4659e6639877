#include "nomsfichiers.h"

#include <algorithm>
#include <vector>

namespace NomsFichiers {

bool EstMarque(const QString& nom) {
    return nom.endsWith(MarqueM);
}

bool EstIllisible(const QString& nom) {
    return nom.endsWith(SuffixeIllisible);
}

bool CorrespondMotif(const QString& entree, const QString& motif) {
    // An unreadable name is listed by what can be read of it.
    const QString nom = EstIllisible(entree) ? entree.chopped(SuffixeIllisible.size()) : entree;
    if (motif == QLatin1String("*.*"))
        return true;
    if (motif == QLatin1String("*.*") + MarqueM)
        return EstMarque(nom);
    if (motif.startsWith(QLatin1String("*."))) {
        const qsizetype point = nom.lastIndexOf(QLatin1Char('.'));
        if (point < 0)
            return false;
        return QStringView(nom).mid(point + 1).compare(QStringView(motif).mid(2),
                                                       Qt::CaseInsensitive) == 0;
    }
    return nom == motif;
}

// Case is folded to upper case, as the volumes the program was made for do: "_" sorts
// after the letters.
bool AvantDans(const QString& a, const QString& b) {
    const QString ha = a.toUpper();
    const QString hb = b.toUpper();
    if (ha != hb)
        return ha < hb;
    return a < b;
}

void TrierCommeDossier(QStringList& noms) {
    std::vector<std::pair<QString, QString>> cles;
    cles.reserve(noms.size());
    for (QString& nom : noms)
        cles.emplace_back(nom.toUpper(), std::move(nom));
    std::sort(cles.begin(), cles.end());
    for (qsizetype i = 0; i < noms.size(); ++i)
        noms[i] = std::move(cles[size_t(i)].second);
}

bool ContientCaractereInterdit(const QString& texte) {
    static const QString interdits = QStringLiteral("\\/:*?\"<>") + QChar(0);
    return std::any_of(texte.begin(), texte.end(), [](QChar c) { return interdits.contains(c); });
}

} // namespace NomsFichiers
