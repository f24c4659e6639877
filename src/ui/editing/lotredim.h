#pragma once

#include "redimension.h"

#include <QByteArray>
#include <QSize>
#include <QStringList>
#include <functional>
#include <optional>

class Fichiers;
struct ImageSource;

// The JPEG of a picture at that size, turned first by quartsGauche quarter turns to the left
// (a rotation still waiting for the commit); nothing when it cannot be made.
std::optional<QByteArray> RedimensionnerPhoto(const ImageSource& source, const QSize& taille,
                                              int quartsGauche = 0);

// A batch: the photos named, of the folder repertoire, resized by the rule into dossier as
// "(R)" + base name + ".jpg". The photos are decoded and encoded on travailleurs threads (0:
// one per core), each at most two photos ahead of the one written, so that memory stays
// bounded; they are written in list order, on the calling thread, which runs patienter while
// it waits and ecrite(i) after photo i. Answers the names of the photos not written (not a
// picture, gone, too large, a result name taken, a write refused).
QStringList RedimensionnerLot(Fichiers& fichiers, const QString& repertoire,
                              const QStringList& noms, const QString& dossier, RegleTaille regle,
                              double valeur, const std::function<void()>& patienter,
                              const std::function<void(int)>& ecrite, int travailleurs = 0);
