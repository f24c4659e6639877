#pragma once

#include "redimension.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;
struct Plateforme;

// How a batch sizes its photos: a width, a height or a percentage. Confirming creates the
// batch's folder in the open folder, named from the clock.
class FrmChoixTaille : public QDialog {
    Q_OBJECT
public:
    FrmChoixTaille(Plateforme& plateforme, const QString& repertoireOuvert,
                   QWidget* parent = nullptr);

    RegleTaille ChoixTaille = RegleTaille::Aucune;
    // The width, height or percentage typed.
    double Valeur = 0;
    // The folder made for the results.
    QString DossierRedim;

    QRadioButton* Opt[3];
    QLineEdit* TxtL;
    QLineEdit* TxtH;
    QLineEdit* TxtP;
    QPushButton* CmdOK;
    QPushButton* CmdExit;

private:
    void Opt_Click(int index);
    void CmdOK_Click();

    Plateforme& m_plateforme;
    QString m_repertoire;
    QLineEdit* m_boites[3];
};
