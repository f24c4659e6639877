#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

// The column of thumbnails, in design pixels of the main window: six cells fill the visible
// 470 pixels, each thumbnail is fitted into 89 x 57 and centred on x = 84.5 of its cell.
namespace GrilleMiniatures {

constexpr int Maximum = 145;
constexpr double HauteurCadre = 470;
constexpr double HauteurCellule = HauteurCadre / 6;
constexpr double LargeurColonne = 169;
constexpr double LargeurImage = 89;
constexpr double HauteurImage = 57;

// The reduced copy of a picture: 100 pixels high, 200 for a file of 1,500,000 bytes or more,
// never higher than the picture itself; the width keeps the picture's ratio.
QSizeF TailleReduite(double largeur, double hauteur, qint64 octets);

// Thumbnail i (from 0) of a picture reduced to reduite, in the window's pixels at these
// scales: the fitted picture centred in cell i.
QRectF CadreImage(int i, const QSizeF& reduite, double echelleX, double echelleY);

// The column's height for this many thumbnails: the frame's, until the cells need more.
int HauteurColonne(int nombre, double echelleY);
// How far the scroll bar moves the column: its height less the frame's.
int Etendue(int hauteurColonne, double echelleY);

struct Pas {
    int grand = 0;
    int petit = 0;
};
// Steps of the scroll bar for a column of that height showing nombre files: a frame of six
// files, and one file.
Pas PasDefilement(int hauteurColonne, int nombre);

// The scroll bar's value after the enlarged view moves from the thumbnail choisie (from 1)
// of nombre thumbnails, at list index index: that share of its range, 0 from the top.
int DefilementVoisin(int maximum, int nombre, int choisie, int index);
// The scroll bar's value when the slideshow reaches thumbnail numero (from 0): a frame of
// six per large step, at most the range.
int DefilementDiaporama(int numero, int grand, int maximum);

// The answer to "A partir de quel numéro voulez-vous réaliser l'affichage ?".
struct NumeroDepart {
    enum Issue {
        Annule,       // empty: back to the list, silently
        ErreurSaisie, // "Erreur de saisie !"
        TropGrand,    // "Ce numéro est supérieur au nombre de fichiers dans le dossier !"
        Accepte
    };
    Issue issue = Annule;
    // "La première photo est la numéro 1 !" comes first (0 or a negative number).
    bool premiereEstUn = false;
    // The list index of the first thumbnail.
    int premiere = 0;
};
// A whole number is taken; below 1 the numbering starts at 1, above the file count it is
// refused; anything else (a fraction included) is an input error.
NumeroDepart LireNumeroDepart(const QString& reponse, int nombreFichiers);

} // namespace GrilleMiniatures
