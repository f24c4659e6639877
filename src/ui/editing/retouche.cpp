#include "retouche.h"

#include "etatprogramme.h"
#include "frmphoto.h"
#include "incrustationtexte.h"
#include "listefichiers.h"
#include "redimensionnement.h"
#include "rotation.h"

Retouche::Retouche(FrmPhoto& fenetre)
    : m_f(fenetre), m_redimensionnement(std::make_unique<Redimensionnement>(fenetre)),
      m_incrustation(new IncrustationTexte(fenetre)),
      m_rotation(std::make_unique<Rotation>(fenetre)) {
    m_f.renommage().EtapesRetouche = [this](int& rang) { return EtapesCommit(rang); };
}

Retouche::~Retouche() = default;

RenommageClavier::Etape Retouche::EtapesCommit(int& rang) {
    using Etape = RenommageClavier::Etape;
    EtatProgramme& etat = m_f.etat();
    const IncrustationTexte::Issue texte = m_incrustation->Incruster(rang);
    if (texte == IncrustationTexte::Issue::Arret)
        return Etape::Arreter;
    if (texte == IncrustationTexte::Issue::Echec)
        return Etape::Echouer;
    bool ecrit = texte != IncrustationTexte::Issue::Rien;
    if (etat.RotationEnCours) {
        // The photo went to "Photos sauvegardées" untouched: its turn is in the "(T)" picture.
        if (texte == IncrustationTexte::Issue::SourceSauvegardee) {
            m_rotation->Oublier();
        } else {
            const Etape e = m_rotation->EnregistrerRotation(rang);
            if (e != Etape::Continuer)
                return e;
            ecrit = true;
        }
    }
    if (ecrit && etat.modeAffichage == ModeAffichage::Miniatures)
        m_f.listeFichiers().Liste_Fichiers(etat.RepertoireOuvert);
    return Etape::Continuer;
}
