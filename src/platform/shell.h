#pragma once

#include <QString>
#include <QStringList>

// Other programs: the desktop's program for a file, or a given program with arguments
// (an argument list, never a command line read by a shell).
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool Ouvrir(const QString& chemin) = 0;
    // An application entry (a ".desktop" file) is started as the desktop starts it, with
    // the arguments as its files. False when nothing could be started.
    virtual bool Lancer(const QString& programme, const QStringList& arguments) = 0;
};
