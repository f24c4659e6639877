#include "demarrage.h"

#include "frmdepart.h"
#include "frmphoto.h"
#include "plateforme.h"

Demarrage::Demarrage(Plateforme& plateforme, QObject* parent)
    : QObject(parent), m_plateforme(plateforme) {}

Demarrage::~Demarrage() {
    delete m_principale;
    delete m_depart;
}

FrmDepart* Demarrage::fenetreDepart() const {
    return m_depart;
}

FrmPhoto* Demarrage::fenetrePrincipale() const {
    return m_principale;
}

bool Demarrage::Lancer() {
    // Without its folder the program could keep none of its settings: it says so and ends.
    const QString programme = m_plateforme.environnement.dossierProgramme;
    if (!m_plateforme.fichiers.CreerChemin(programme) ||
        !m_plateforme.fichiers.EstDossier(programme)) {
        m_plateforme.dialogues.Message(QStringLiteral("Le dossier suivant n'a pas pu être créé :"
                                                      "\n%1\n\nLancement du programme "
                                                      "interrompu !")
                                           .arg(programme),
                                       Dialogues::Icone::Critique);
        return false;
    }
    m_depart = new FrmDepart(m_plateforme, m_etat);
    m_depart->setAttribute(Qt::WA_DeleteOnClose);
    if (!m_depart->ProcedureDossierDonnees()) {
        delete m_depart;
        return false;
    }
    connect(m_depart, &FrmDepart::DelaiEcoule, this, &Demarrage::OuvrirFenetrePrincipale);
    m_depart->Demarrer();
    m_depart->show();
    return true;
}

void Demarrage::OuvrirFenetrePrincipale() {
    if (!m_principale) {
        // Not deleted on close: a loop of the window may still be running when it closes;
        // it goes with this object once the event loop has returned.
        m_principale = new FrmPhoto(m_plateforme, m_etat);
    }
    Q_EMIT FenetrePrincipaleOuverte(m_principale);
    m_principale->show();
    m_principale->raise();
    m_principale->activateWindow();
}
