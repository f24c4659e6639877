#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A button of one of the program's windows, named like its control. Enter does not press it
// by itself: each window says which button, if any, is its default.
QPushButton* BoutonFenetre(QWidget* parent, const QString& nom, const QString& legende);
