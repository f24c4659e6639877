#pragma once

#include <QStringList>

class FrmPhoto;

// Moving the number of a fully incremented list behind the text (menu mnuIncrDte), with the
// offer to go straight back to the former names.
class NumeroADroite {
public:
    // Gives mnuIncrDte its command.
    explicit NumeroADroite(FrmPhoto& fenetre);

    void mnuIncrDte_Click();

private:
    // Swaps every entry's name, shown in the report window; false after the conflict
    // handling.
    bool Passe();
    QStringList Entrees() const;

    FrmPhoto& m_f;
};
