#pragma once

#include <QWidget>

struct EtatProgramme;
struct Plateforme;
class QLabel;

// The start-up window: settles the data folder, stays 4 seconds, then hands over to the
// main window.
class FrmDepart : public QWidget {
    Q_OBJECT
public:
    FrmDepart(Plateforme& plateforme, EtatProgramme& etat, QWidget* parent = nullptr);

    // The data-folder procedure. False when the program must end (the user refused, or a
    // folder or the database could not be put in place); the reason has been shown.
    bool ProcedureDossierDonnees();
    // Arms the 4-second timer and writes the version label.
    void Demarrer();

    QLabel* LblLigne;
    QLabel* LblVersion;

Q_SIGNALS:
    // The timer fired: the main window takes over, then this window closes.
    void DelaiEcoule();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool ChoisirDossierProfil(QString& dossier);
    bool Interrompre(const QString& texte);

    Plateforme& m_plateforme;
    EtatProgramme& m_etat;
};
