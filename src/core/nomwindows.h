#pragma once

#include <QString>

// The name of a Windows version from the version record's major, minor and platform id.
// Kept as a table; nothing on Linux asks the system for it.
QString NomWindows(int majeure, int mineure, int plateforme);
