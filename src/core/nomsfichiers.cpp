#include "nomsfichiers.h"

#include <algorithm>

namespace NomsFichiers {

bool EstMarque(const QString& nom) {
    return nom.endsWith(MarqueM);
}

bool CorrespondMotif(const QString& nom, const QString& motif) {
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

bool AvantDans(const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    if (c != 0)
        return c < 0;
    return a < b;
}

void TrierCommeDossier(QStringList& noms) {
    std::sort(noms.begin(), noms.end(), AvantDans);
}

bool ContientCaractereInterdit(const QString& texte) {
    static const QString interdits = QStringLiteral("\\/:*?\"<>");
    return std::any_of(texte.begin(), texte.end(),
                       [](QChar c) { return interdits.contains(c); });
}

} // namespace NomsFichiers
