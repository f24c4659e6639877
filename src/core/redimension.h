#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>

// Names and sizes of the pictures that resizing, text overlay and rotation make.

// The name a result is made from: the name without the mark suffix and without its
// extension (".jpeg" as well as ".jpg"). An extension is one to five letters or digits after
// the last dot, which is not the first character.
QString BaseNom(const QString& nom);
// prefixe ("(R)", "(T)", or nothing) + the base name + ".jpg". Every result is a JPEG, BMP
// sources included.
QString NomResultat(const QString& prefixe, const QString& nom);

// The sizing rules of a batch; the numbers are those of the choice window's options + 1.
enum class RegleTaille { Aucune = 0, Largeur = 1, Hauteur = 2, Pourcentage = 3 };

// A batch result: the width given (Largeur) or the height given (Hauteur), the other side
// keeping the photo's ratio, whatever the photo's own size; or both sides scaled by valeur
// percent. Sides are rounded to the nearest pixel; an empty size when a side falls below one.
QSize TailleRedim(RegleTaille regle, double valeur, const QSize& photo);
// A single result from the two boxes (0 = not given): the side not given follows the ratio.
QSize TailleChoisie(double largeur, double hauteur, double rapport);

// The largest picture written: a JPEG side holds at most 65,535 pixels, and a picture of
// more than 150 million pixels would take gigabytes in memory.
inline constexpr int CoteMaximum = 65500;
inline constexpr qint64 PixelsMaximum = 150'000'000;
bool TailleAcceptable(const QSize& taille);

// The number a text begins with ("50 %" gives 50, "12,5" gives 12.5), 0 when there is none.
double NombreEnTete(const QString& texte);

// The folder of a batch: "Redim 2024-1-9  [14H07]" (no leading zeros but in the minutes).
QString NomDossierRedim(const QDateTime& moment);

// The message at the end of a batch: how many photos were written and where, then the names
// of those that were not (fifteen at most).
QString MessageFinRedim(int ecrites, const QString& dossier, const QStringList& nonEcrites);
