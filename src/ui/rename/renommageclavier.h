#pragma once

#include "preselection.h"

#include <QPersistentModelIndex>
#include <QString>
#include <functional>

class FrmPhoto;
class QKeyEvent;

// Renaming file after file from the keyboard: the part of the name preselected in the name
// box, the commit of the edited name on Down, Enter or Up, and the name clipboard.
class RenommageClavier {
public:
    explicit RenommageClavier(FrmPhoto& fenetre);

    // Applies the selection rule to the name box.
    void Preselectionner();
    void mnuOptimal_Click();
    void mnuSecOpt_Click();
    void mnuChoix_Click();
    // Commits the name box and moves to the next (Plus) or previous (Moins) entry.
    void RefreschFilFilesPlus();
    void RefreschFilFilesMoins();
    void axBPP1_Click();
    void axBPP2_Click();

    RegleSelection regle() const { return m_regle; }
    QString DebutSelection = QStringLiteral("0");
    QString FinSelection;
    QString ChaineACopier;
    // Set while the substring replacement runs: the link-string check then waits.
    bool RemplacementEnCours = false;

    // What the editing steps of a commit (the text overlay, the rotation) answer: go on and
    // move, end without moving, or end with the commit's failure message.
    enum class Etape { Continuer, Arreter, Echouer };
    // Run by every commit once the name is written, outside the backup folder; rang is the row
    // the move starts from and may change (an entry taking the committed entry's place).
    std::function<Etape(int& rang)> EtapesRetouche;

private:
    bool Touche(QKeyEvent* event);
    void Choisir(RegleSelection regle);
    void VerifierChaineLiaison();
    // Steps shared by both directions; false when the commit ends without moving. rang
    // receives the row of the entry committed.
    bool Valider(int& rang);
    // The rename of the entry shown to the box's text; false when it ends the commit.
    bool Renommer(const QPersistentModelIndex& entree, int& rang);
    void Deplacer(int rang, int pas);
    // The name of the entry shown (the one a commit renames), else the box's text.
    QString NomAffiche() const;
    void EchecRenommage();

    FrmPhoto& m_f;
    RegleSelection m_regle = RegleSelection::Optimale;
    bool m_enCours = false;
};
