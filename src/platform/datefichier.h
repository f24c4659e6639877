#pragma once

#include "lecturedateexif.h"

// The shooting date of a file, from its first bytes only; a file that cannot be read has
// none ("Lecture impossible").
DateExif LireDateExifFichier(const QString& chemin);
