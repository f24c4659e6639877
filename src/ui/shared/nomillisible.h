#pragma once

#include <QString>

class Dialogues;

// Said of a listed name that is not UTF-8 (it bears NomsFichiers::SuffixeIllisible): no
// command can reach that file by its name, so every command refuses it.
void SignalerNomIllisible(Dialogues& dialogues, const QString& entree);
