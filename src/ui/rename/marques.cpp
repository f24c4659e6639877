#include "marques.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "lotjournal.h"
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
    Plateforme& p = m_f.plateforme();
    const QList<int> choisis = RangsSelectionnes(liste);
    if (choisis.isEmpty())
        return;
    // The renames to make, up to the first name that cannot be read (where the command stops
    // with its message).
    struct Pas {
        int rang;
        QString nouveau;
    };
    QList<Pas> pas;
    QList<QPair<QString, QString>> chemins;
    int illisible = -1;
    for (const int i : choisis) {
        const QString nom = liste->item(i)->text();
        if (NomsFichiers::EstMarque(nom) == marquer)
            continue;
        if (NomsFichiers::EstIllisible(nom)) {
            illisible = i;
            break;
        }
        pas.append(
            {i, marquer ? nom + NomsFichiers::MarqueM : nom.chopped(NomsFichiers::MarqueM.size())});
        chemins.append({etat.RepertoireOuvert + nom, etat.RepertoireOuvert + pas.last().nouveau});
    }
    LotJournal lot(p, chemins);
    if (!pas.isEmpty() && !lot.ouvert()) {
        SignalerJournalImpossible(p.dialogues, p);
        m_f.TxtFileName->setFocus();
        return;
    }

    etat.ListeOccupee = true;
    ApercuPhoto& apercu = m_f.apercu();
    const int affichee = apercu.EntreeAffichee.isValid() ? apercu.EntreeAffichee.row() : -1;
    // The rows before fin are processed: they end deselected, the rest keep their selection.
    int fin = illisible >= 0 ? illisible : liste->count();
    for (int k = 0; k < pas.size(); ++k) {
        if (!p.fichiers.Renommer(chemins[k].first, chemins[k].second)) {
            fin = pas[k].rang;
            break;
        }
        lot.fait(k);
        liste->item(pas[k].rang)->setText(pas[k].nouveau);
        // The name box follows, or the next commit would rename the file back.
        if (pas[k].rang == affichee) {
            m_f.TxtFileName->setText(pas[k].nouveau);
            apercu.NomInitial = pas[k].nouveau;
        }
    }
    DeselectionnerAvant(liste, fin);
    etat.ListeOccupee = false;
    if (illisible >= 0 && fin == illisible)
        SignalerNomIllisible(p.dialogues, liste->item(illisible)->text());
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
