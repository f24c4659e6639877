#pragma once

#include <QList>

#include <functional>

class QListWidget;

// The file list's selection read and changed in one piece. A loop of setSelected sends one
// selection change per entry, and each runs the list's click handling: on a folder of
// thousands of files, thousands of times.

int NombreSelectionnes(const QListWidget* liste);
// The row of the only selected entry; -1 when none or several are selected.
int SeulSelectionne(const QListWidget* liste);
// The selected rows, in list order.
QList<int> RangsSelectionnes(const QListWidget* liste);
// Selects exactly the rows for which choisi answers true, in one change.
void DefinirSelection(QListWidget* liste, const std::function<bool(int)>& choisi);
// Deselects the rows before fin, in one change; the others keep their state.
void DeselectionnerAvant(QListWidget* liste, int fin);
