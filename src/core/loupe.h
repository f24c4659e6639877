#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

// The magnifier of the enlarged view, in the window's pixels (the window is the screen).
namespace Loupe {

struct Pression {
    // Where the enlarged picture goes and how large it is.
    QRectF image;
    // Where the pointer is put: on the pressed point, or the screen's centre along a
    // direction where the enlarged picture fits the screen.
    QPointF pointeur;
};

// A press at point (in the pixels of the fitted picture ajuste) with rate taux: the picture
// enlarged from its fitted size, so that presses never compound. Along each direction it is
// centred when it fits the screen, otherwise the pressed point comes to the screen's centre
// without leaving a gap at either edge.
Pression Presser(const QSizeF& ecran, const QRectF& ajuste, const QPointF& point, double taux);

struct Glissement {
    QPointF position;
    // The grabbed point of the fitted picture, anchored again where an edge stopped the move.
    QPointF pointZoom;
};

// Dragging the enlarged picture image with the pointer at pointeur: the grabbed point
// pointZoom stays under the pointer, no edge comes inside the screen, and a direction where
// the picture fits the screen keeps it centred.
Glissement Glisser(const QSizeF& ecran, const QRectF& image, const QPointF& pointeur,
                   const QPointF& pointZoom, double taux);

// The rate of the menu item index (0 to 4): 2, 2.5, 3, 3.5, 4.
double Taux(int index);

// The slideshow's interval in milliseconds from the typed answer, in seconds: a number (a
// decimal comma counts as a point) from 1 to 3600; nothing for any other answer.
std::optional<int> IntervalleDiaporama(const QString& reponse);

} // namespace Loupe
