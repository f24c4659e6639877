#include "typesfichiers.h"

#include "nomsfichiers.h"

namespace TypesFichiers {

QString Texte(int index) {
    switch (index) {
    case TousImages: return QStringLiteral("Tous fichiers image  (*.*)");
    case Jpeg: return QStringLiteral("Fichiers image  (*.jpg, *.jpeg)");
    case Bmp: return QStringLiteral("Fichiers image  (*.bmp)");
    case Gif: return QStringLiteral("Fichiers image  (*.gif)");
    case TousSons: return QStringLiteral("Tous fichiers son  (*.*)");
    case Mp3: return QStringLiteral("Fichiers son mp3  (*.mp3)");
    case Wav: return QStringLiteral("Fichiers son wav  (*.wav)");
    case ParChaine: return QStringLiteral("Tri par chaîne de caractères");
    case TousFichiers: return QStringLiteral("Tous fichiers  (*.*)");
    default: return {};
    }
}

QStringList Motifs(int index) {
    switch (index) {
    case TousImages: return {"*.bmp", "*.jpg", "*.jpeg", "*.gif", "*.wmf", "*.ico"};
    case Jpeg: return {"*.jpg", "*.jpeg"};
    case Bmp: return {"*.bmp"};
    case Gif: return {"*.gif"};
    case TousSons: return {"*.mp3", "*.wav", "*.mid"};
    case Mp3: return {"*.mp3"};
    case Wav: return {"*.wav"};
    case ParChaine:
    case TousFichiers: return {"*.*"};
    default: return {};
    }
}

bool EstImage(int index) {
    return index >= TousImages && index <= Gif;
}

bool EstSon(int index) {
    return index >= TousSons && index <= Wav;
}

QStringList ComposerListe(const QStringList& nomsTries, int index, const Filtre& filtre) {
    QStringList liste;
    for (const QString& nom : nomsTries)
        if (NomsFichiers::EstMarque(nom))
            liste.append(nom);

    if (index == ParChaine) {
        if (filtre.chaine.isEmpty())
            return liste;
        const Qt::CaseSensitivity casse =
            filtre.respecterCasse ? Qt::CaseSensitive : Qt::CaseInsensitive;
        for (const QString& nom : nomsTries)
            if (!NomsFichiers::EstMarque(nom) && nom.contains(filtre.chaine, casse))
                liste.append(nom);
        return liste;
    }

    const bool sauterMarques = index == TousFichiers;
    for (const QString& motif : Motifs(index))
        for (const QString& nom : nomsTries)
            if (!(sauterMarques && NomsFichiers::EstMarque(nom)) &&
                NomsFichiers::CorrespondMotif(nom, motif))
                liste.append(nom);
    return liste;
}

} // namespace TypesFichiers
