#pragma once

#include "preselection.h"

#include <QString>

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

private:
    bool Touche(QKeyEvent* event);
    void Choisir(RegleSelection regle);
    void VerifierChaineLiaison();
    // Steps shared by both directions; false when the commit ends without moving. rang
    // receives the row of the entry committed.
    bool Valider(int& rang);
    void Deplacer(int rang, int pas);
    // The name of the entry shown (the one a commit renames), else the box's text.
    QString NomAffiche() const;
    void EchecRenommage();

    FrmPhoto& m_f;
    RegleSelection m_regle = RegleSelection::Optimale;
    bool m_enCours = false;
};
