#pragma once

#include "shell.h"

class ShellQt : public Shell {
public:
    bool Ouvrir(const QString& chemin) override;
    bool Lancer(const QString& programme, const QStringList& arguments) override;
};
