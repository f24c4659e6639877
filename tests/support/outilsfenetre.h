#pragma once

#include <QStringList>

class Banc;
class FrmPhoto;

// What tests read from and do to the main window's file list, and the folder they open.
QStringList entrees(const FrmPhoto& f);
QStringList selection(const FrmPhoto& f);
// Selects exactly these entries.
void choisir(FrmPhoto& f, const QStringList& noms);
// The regular files of a folder, by name.
QStringList nomsSurDisque(const QString& dossier);
// Makes the folder the start folder of "Photo.ini", so that the first activation opens it.
void ouvrirSur(Banc& b, const QString& dossier);
