#pragma once

#include "appliquerrenommages.h"
#include "planincrementation.h"

#include <QObject>
#include <QPointer>

class FrmPhoto;
class FrmRenom;

// The incrementation mode of the main window: CmdInc enters it (warning, options), the
// user selects files, CmdD numbers them or renames a numbered list, CmdA leaves.
class Incrementation : public QObject {
    Q_OBJECT
public:
    // Connects CmdInc, CmdA and CmdD.
    explicit Incrementation(FrmPhoto& fenetre);

    void CmdInc_Click();
    void CmdA_Click();
    void CmdD_Click();

    // For the warning menu: shows the warning window, and sets whether it comes before the
    // options (saved in "Photo.ini").
    void MontrerAvertissement();
    void DefinirAfficherAvertissement(bool afficher);

    ParametresIncrementation& parametres() { return m_p; }
    // The report window of the passes.
    FrmRenom* rapport() const;

Q_SIGNALS:
    // The warning window's box changed the setting: the menu's check mark follows it.
    void afficherAvertissementModifie(bool afficher);

private:
    void ChoisirOptions();
    bool VerifierTitre();
    void Numeroter(int nombreSelectionnes);
    void RenommerListeIncrementee();
    // Opens the report on the selected names and applies the plan; false after the
    // conflict handling.
    bool Passe(const PlanRenommage& plan);
    void Conflit(const BilanRenommage& bilan = {});
    void QuitterMode();
    void BoutonsNormaux();
    void Rafraichir();
    QStringList Entrees() const;
    QList<bool> Selection() const;
    FrmRenom& Rapport();

    FrmPhoto& m_f;
    ParametresIncrementation m_p;
    QPointer<FrmRenom> m_rapport;
    bool m_actionEnCours = false;
};
