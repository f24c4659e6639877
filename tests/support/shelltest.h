#pragma once

#include "shell.h"

// Records what the program would open or start.
class ShellTest : public Shell {
public:
    bool Ouvrir(const QString& chemin) override {
        ouverts.append(chemin);
        return true;
    }
    bool Lancer(const QString& programme, const QStringList& arguments) override {
        lances.append(QStringList{programme} + arguments);
        return true;
    }
    QStringList ouverts;
    QList<QStringList> lances;
};
