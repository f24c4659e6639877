#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

// The size a picture is shown at in a frame of largeurMax x hauteurMax. A picture smaller
// than the frame in both directions (strictly) keeps its own size unless remplir is set;
// otherwise it is fitted by width, or by height when the fitted height would not fit.
QSizeF TailleAffichee(double largeurPhoto, double hauteurPhoto, double largeurMax,
                      double hauteurMax, bool remplir = false);

// The rectangle of that size centred on (centreX2 / 2, centreY2 / 2).
QRectF CadreCentre(double centreX2, double centreY2, const QSizeF& taille);

// The file size of the information line: "999  octets", "1,50  Ko", "1,00 Mo" (decimal
// units, two decimals, a comma).
QString FormatTaille(qint64 octets);

// The information line under the preview.
QString LigneInformations(qint64 octets, double largeur, double hauteur, const QString& date);

// The pause of the loading display for one file of this size, in milliseconds.
int PauseChargement(qint64 octets);
