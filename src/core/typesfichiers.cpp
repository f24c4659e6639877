#include "typesfichiers.h"

#include "nomsfichiers.h"

#include <vector>

namespace TypesFichiers {

QString Texte(int index) {
    switch (index) {
    case TousImages:
        return QStringLiteral("Tous fichiers image  (*.*)");
    case Jpeg:
        return QStringLiteral("Fichiers image  (*.jpg, *.jpeg)");
    case Bmp:
        return QStringLiteral("Fichiers image  (*.bmp)");
    case Gif:
        return QStringLiteral("Fichiers image  (*.gif)");
    case TousSons:
        return QStringLiteral("Tous fichiers son  (*.*)");
    case Mp3:
        return QStringLiteral("Fichiers son mp3  (*.mp3)");
    case Wav:
        return QStringLiteral("Fichiers son wav  (*.wav)");
    case ParChaine:
        return QStringLiteral("Tri par chaîne de caractères");
    case TousFichiers:
        return QStringLiteral("Tous fichiers  (*.*)");
    default:
        return {};
    }
}

QStringList Motifs(int index) {
    switch (index) {
    case TousImages:
        return {"*.bmp", "*.jpg", "*.jpeg", "*.gif", "*.wmf", "*.ico"};
    case Jpeg:
        return {"*.jpg", "*.jpeg"};
    case Bmp:
        return {"*.bmp"};
    case Gif:
        return {"*.gif"};
    case TousSons:
        return {"*.mp3", "*.wav", "*.mid"};
    case Mp3:
        return {"*.mp3"};
    case Wav:
        return {"*.wav"};
    case ParChaine:
    case TousFichiers:
        return {"*.*"};
    default:
        return {};
    }
}

bool EstImage(int index) {
    return index >= TousImages && index <= Gif;
}

bool EstSon(int index) {
    return index >= TousSons && index <= Wav;
}

namespace {

// An unreadable name is sorted by what can be read of it.
QStringView Lisible(const QString& nom) {
    return NomsFichiers::EstIllisible(nom)
               ? QStringView(nom).chopped(NomsFichiers::SuffixeIllisible.size())
               : QStringView(nom);
}

bool EstMarque(const QString& nom) {
    return Lisible(nom).endsWith(NomsFichiers::MarqueM);
}

} // namespace

QStringList ComposerListe(const QStringList& nomsTries, int index, const Filtre& filtre) {
    QStringList liste;
    for (const QString& nom : nomsTries)
        if (EstMarque(nom))
            liste.append(nom);

    if (index == ParChaine) {
        if (filtre.chaine.isEmpty())
            return liste;
        const Qt::CaseSensitivity casse =
            filtre.respecterCasse ? Qt::CaseSensitive : Qt::CaseInsensitive;
        for (const QString& nom : nomsTries)
            if (!EstMarque(nom) && Lisible(nom).contains(filtre.chaine, casse))
                liste.append(nom);
        return liste;
    }

    if (index == TousFichiers) {
        for (const QString& nom : nomsTries)
            if (!EstMarque(nom))
                liste.append(nom);
        return liste;
    }

    // One pass sorts the names into one bucket per pattern ("*.ext"), so each pattern's
    // names follow the previous pattern's, in enumeration order, as with one pass a pattern.
    const QStringList motifs = Motifs(index);
    std::vector<QStringList> paquets(size_t(motifs.size()));
    for (const QString& nom : nomsTries) {
        const QStringView lisible = Lisible(nom);
        const qsizetype point = lisible.lastIndexOf(u'.');
        if (point < 0)
            continue;
        const QStringView extension = lisible.mid(point + 1);
        for (qsizetype m = 0; m < motifs.size(); ++m)
            if (extension.compare(QStringView(motifs[m]).mid(2), Qt::CaseInsensitive) == 0) {
                paquets[size_t(m)].append(nom);
                break;
            }
    }
    for (const QStringList& paquet : paquets)
        liste.append(paquet);
    return liste;
}

} // namespace TypesFichiers
