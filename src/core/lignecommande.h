#pragma once

#include <QString>
#include <QStringList>

// What the command line asks: open the program (on a folder or a photo given), or print the
// version or the help and end without a window.
struct LigneCommande {
    enum class Action { Ouvrir, Version, Aide, Erreur };
    Action action = Action::Ouvrir;
    // The folder or photo to open, made absolute against dossierCourant; empty for none.
    QString chemin;
    // For Erreur: what to print.
    QString message;
};

// arguments as the process received them, the program's name first.
LigneCommande LireLigneCommande(const QStringList& arguments, const QString& dossierCourant);

QString TexteAide();
QString TexteVersion(const QString& version);
