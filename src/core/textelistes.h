#pragma once

#include <QString>
#include <QStringList>

// A list of names for a message: the first `maximum`, one a line, then an empty line and
// "et  N autre ..." or "et  N autres ..." for the rest.
QString ListeAbregee(const QStringList& noms, int maximum = 15);
