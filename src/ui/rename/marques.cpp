#include "marques.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "nomillisible.h"
#include "nomsfichiers.h"
#include "plateforme.h"
#include "selectionliste.h"

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
    const QList<int> choisis = RangsSelectionnes(liste);
    if (choisis.isEmpty())
        return;
    etat.ListeOccupee = true;
    Fichiers& fichiers = m_f.plateforme().fichiers;
    ApercuPhoto& apercu = m_f.apercu();
    const int affichee = apercu.EntreeAffichee.isValid() ? apercu.EntreeAffichee.row() : -1;
    // The rows before fin are processed: they end deselected, the rest keep their selection.
    int fin = liste->count();
    for (const int i : choisis) {
        QListWidgetItem* entree = liste->item(i);
        const QString nom = entree->text();
        if (NomsFichiers::EstMarque(nom) == marquer)
            continue;
        if (NomsFichiers::EstIllisible(nom)) {
            fin = i;
            etat.ListeOccupee = false;
            DeselectionnerAvant(liste, fin);
            SignalerNomIllisible(m_f.plateforme().dialogues, nom);
            m_f.TxtFileName->setFocus();
            return;
        }
        const QString nouveau =
            marquer ? nom + NomsFichiers::MarqueM : nom.chopped(NomsFichiers::MarqueM.size());
        if (!fichiers.Renommer(etat.RepertoireOuvert + nom, etat.RepertoireOuvert + nouveau)) {
            fin = i;
            break;
        }
        entree->setText(nouveau);
        // The name box follows, or the next commit would rename the file back.
        if (i == affichee) {
            m_f.TxtFileName->setText(nouveau);
            apercu.NomInitial = nouveau;
        }
    }
    DeselectionnerAvant(liste, fin);
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
    QList<bool> marques(liste->count());
    int nombre = 0;
    int seul = -1;
    for (int i = 0; i < liste->count(); ++i) {
        marques[i] = NomsFichiers::EstMarque(liste->item(i)->text());
        if (marques[i]) {
            ++nombre;
            seul = i;
        }
    }
    DefinirSelection(liste, [&](int i) { return marques[i]; });
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
        liste->clearSelection();
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
