#pragma once

#include <QString>

class FrmPhoto;
class FrmRedim;

// Resizing: the selected photo into "(R)" + its name beside it, or every selected photo into
// a new folder of the open folder (RedimensionnerLot).
class Redimensionnement {
public:
    explicit Redimensionnement(FrmPhoto& fenetre);

    void axBRedimensionner_Click();

private:
    void CmdAction_Click(FrmRedim& fenetre);
    void CmdPlusieurs_Click(FrmRedim& fenetre);
    // The single resize's error exit.
    void Echec(FrmRedim& fenetre);

    FrmPhoto& m_f;
    // A single resize wrote m_resultat, which is then shown.
    bool m_resultatEcrit = false;
    QString m_resultat;
    QString m_dossierRedim;
};
