#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Paints the rows premiereLigne to (height - margeBas) of zone, one horizontal line a row,
// from debut at the first row to fin at the last.
void Degrade(QPainter& p, const QRect& zone, const QColor& debut, const QColor& fin,
             int premiereLigne, int margeBas);
