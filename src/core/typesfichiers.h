#pragma once

#include <QString>
#include <QStringList>

// The nine entries of the file-type box and the listing they select.
namespace TypesFichiers {

enum Index {
    TousImages = 0,
    Jpeg = 1,
    Bmp = 2,
    Gif = 3,
    TousSons = 4,
    Mp3 = 5,
    Wav = 6,
    ParChaine = 7,
    TousFichiers = 8,
    Nombre = 9
};

QString Texte(int index);
QStringList Motifs(int index);
bool EstImage(int index);
bool EstSon(int index);

// How the substring filter of entry 7 compares.
struct Filtre {
    QString chaine;
    bool respecterCasse = true;
};

// The entries of the file list, from the folder's names already in enumeration order:
// the marked files first, then each pattern of the entry in turn. Under entries 7 and 8 the
// type pass leaves out marked names, which the marked pass listed already. For entry 7 an
// empty filter lists the marked files only.
QStringList ComposerListe(const QStringList& nomsTries, int index, const Filtre& filtre = {});

} // namespace TypesFichiers
