#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>

struct Options;

// The text written onto photos.

// The box's placeholder: while the box holds it, there is no text to write.
inline const QString TexteAIncruster = QStringLiteral("TEXTE  à  INCRUSTER");

// The top-left corner of a text of size texte on a picture of size image: position 0 top
// left, 1 top right, 2 bottom left, 3 bottom right, 50 pixels from the side and 20 from the
// top or bottom; 4 at positionX and positionY percent of the picture's width and height. Any
// other position counts as 0.
QPointF PositionTexte(int position, const QSizeF& image, const QSizeF& texte, double positionX,
                      double positionY);

// The overlay options count as never set while the font name is empty (the main window
// writes the file with zeros there): the text-overlay window's defaults then apply, Arial
// 10, black, top left, the photo moved to "Photos sauvegardées".
bool IncrustationReglee(const Options& options);
void AppliquerDefautsIncrustation(Options& options);
