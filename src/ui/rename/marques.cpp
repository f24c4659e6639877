#include "marques.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "nomsfichiers.h"
#include "plateforme.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

// The option's key codes 116 to 123 are F5 to F12.
bool EstTouche(const QKeyEvent* touche, int code) {
    return code >= 116 && code <= 123 && touche->key() == Qt::Key_F5 + (code - 116);
}

} // namespace

Marques::Marques(FrmPhoto& fenetre) : m_f(fenetre) {
    QObject::connect(m_f.axBM, &QPushButton::clicked, &m_f, [this] { Marquer(); });
    QObject::connect(m_f.axBDM, &QPushButton::clicked, &m_f, [this] { Demarquer(); });
    QObject::connect(m_f.axBSel0, &QPushButton::clicked, &m_f, [this] { SelectionnerMarques(); });
    QObject::connect(m_f.axBSel1, &QPushButton::clicked, &m_f, [this] { DeselectionnerTout(); });
    for (QPushButton* b : {m_f.axBM, m_f.axBDM, m_f.axBSel0, m_f.axBSel1})
        b->setEnabled(true);
    m_f.AjouterGestionnaireTouches(
        [this](QKeyEvent* touche) {
            const Options& o = m_f.etat().options;
            if (EstTouche(touche, o.ToucheMarquer)) {
                m_f.axBM->setFocus();
                Marquer();
                return true;
            }
            if (EstTouche(touche, o.ToucheDemarquer)) {
                m_f.axBDM->setFocus();
                Demarquer();
                return true;
            }
            return false;
        },
        true);
}

void Marques::Marquer() {
    Renommer(true);
}

void Marques::Demarquer() {
    Renommer(false);
}

void Marques::Renommer(bool marquer) {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    if (liste->selectedItems().isEmpty())
        return;
    etat.ListeOccupee = true;
    Fichiers& fichiers = m_f.plateforme().fichiers;
    for (int i = 0; i < liste->count(); ++i) {
        QListWidgetItem* entree = liste->item(i);
        if (!entree->isSelected())
            continue;
        const QString nom = entree->text();
        if (NomsFichiers::EstMarque(nom) != marquer) {
            const QString nouveau =
                marquer ? nom + NomsFichiers::MarqueM : nom.chopped(NomsFichiers::MarqueM.size());
            if (!fichiers.Renommer(etat.RepertoireOuvert + nom, etat.RepertoireOuvert + nouveau))
                break;
            entree->setText(nouveau);
            // The name box follows, or the next commit would rename the file back.
            if (entree == liste->currentItem()) {
                m_f.TxtFileName->setText(nouveau);
                m_f.apercu().NomInitial = nouveau;
            }
        }
        entree->setSelected(false);
    }
    etat.ListeOccupee = false;
    m_f.TxtFileName->setFocus();
}

void Marques::AfficherPaire(bool deselectionner) {
    m_f.axBSel1->setVisible(deselectionner);
    m_f.axBSel0->setVisible(!deselectionner);
}

void Marques::SelectionnerMarques() {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    etat.ListeOccupee = true;
    int nombre = 0;
    int seul = -1;
    for (int i = 0; i < liste->count(); ++i) {
        const bool marque = NomsFichiers::EstMarque(liste->item(i)->text());
        liste->item(i)->setSelected(marque);
        if (marque) {
            ++nombre;
            seul = i;
        }
    }
    if (nombre == 0) {
        m_f.listeFichiers().EffacerApercu();
        etat.PasDePhoto = true;
        etat.ListeOccupee = false;
        return;
    }
    AfficherPaire(true);
    // A single marked file becomes the current one: deselected, then selected again so that
    // the list's click handling shows it.
    if (nombre == 1)
        liste->item(seul)->setSelected(false);
    etat.ListeOccupee = false;
    if (nombre == 1)
        m_f.SelectionnerEntree(seul);
}

void Marques::DeselectionnerTout() {
    AfficherPaire(false);
    m_f.ImgUp->hide();
    m_f.ImgDown->hide();
    m_f.CmdRapide->hide();
    m_f.etat().ListeOccupee = true;
    m_f.LstFF->clearSelection();
    m_f.etat().ListeOccupee = false;
    m_f.listeFichiers().EffacerApercu();
    m_f.etat().PasDePhoto = true;
}
