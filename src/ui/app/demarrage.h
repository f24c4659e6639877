#pragma once

#include "etatprogramme.h"

#include <QObject>
#include <QPointer>

struct Plateforme;
class FrmDepart;
class FrmPhoto;

// The program's start: the start-up window settles the data folder, then hands over to the
// main window. Owns the program's state, which both windows share.
class Demarrage : public QObject {
    Q_OBJECT
public:
    explicit Demarrage(Plateforme& plateforme, QObject* parent = nullptr);
    ~Demarrage() override;

    // False when the program must end at once (the user refused to give the data folder,
    // or it could not be put in place).
    bool Lancer();

    EtatProgramme& etat() { return m_etat; }
    FrmDepart* fenetreDepart() const;
    FrmPhoto* fenetrePrincipale() const;

Q_SIGNALS:
    void FenetrePrincipaleOuverte(FrmPhoto* fenetre);

private:
    void OuvrirFenetrePrincipale();

    Plateforme& m_plateforme;
    EtatProgramme m_etat;
    QPointer<FrmDepart> m_depart;
    QPointer<FrmPhoto> m_principale;
};
