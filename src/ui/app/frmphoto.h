#pragma once

#include "parametresprogramme.h"

#include <QWidget>
#include <memory>

struct EtatProgramme;
struct Plateforme;
class DeplacementPas;
class ListeFichiers;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeView;
class TriChronologique;

// The main window. Its controls carry the program's names as object names and are public so
// that each subsystem's handlers reach them.
class FrmPhoto : public QWidget {
    Q_OBJECT
public:
    FrmPhoto(Plateforme& plateforme, EtatProgramme& etat, QWidget* parent = nullptr);
    ~FrmPhoto() override;

    Plateforme& plateforme() { return m_plateforme; }
    EtatProgramme& etat() { return m_etat; }
    ParametresProgramme& parametres() { return m_parametres; }
    ListeFichiers& listeFichiers() { return *m_liste; }
    DeplacementPas& deplacementPas() { return *m_deplacement; }
    TriChronologique& triChronologique() { return *m_tri; }

    // Activation steps; the first activation opens the start folder. Runs on every
    // activation of the window, and tests call it directly.
    void Form_Activate();
    bool FenetreActivee() const { return m_fenetreActivee; }

    // The folder tree's current path, and its change (which lists the folder).
    QString CheminDossier() const { return m_cheminDossier; }
    void DefinirCheminDossier(const QString& chemin);

    void LstFF_Click();
    // Selects one entry alone and runs the list's click handling, as a selection made by the
    // program does.
    void SelectionnerEntree(int rang);
    void mnuRep_Click();
    void mnuNLi_Click();

    QTreeView* DirDirectory;
    QFileSystemModel* ModeleDossiers;
    QComboBox* CboFileType;
    QLabel* LabelTrie;
    QListWidget* LstFF;
    QLabel* LblDirName;
    QLabel* LblRang;
    QLineEdit* TxtFileName;
    QToolButton* ImgUp;
    QToolButton* ImgDown;
    QLabel* Img0;
    QLabel* LblTaille;
    QLabel* LblNonImage;
    QToolButton* axBPivoter;
    QToolButton* axBRedimensionner;
    QCheckBox* ChkIns;
    QLineEdit* Txt;
    QRadioButton* OptZ0;
    QRadioButton* OptZ1;
    QPushButton* CmdMin;
    QToolButton* axBDiapo;
    QWidget* PctMere;
    QLabel* Lblmp31;
    QLabel* Lblmp32;
    QToolButton* CmdJouer;
    QToolButton* CmdStop;
    QPushButton* CmdInc;
    QPushButton* CmdA;
    QPushButton* CmdD;
    QPushButton* CmdRefresh;
    QPushButton* CmdOK;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreerControles();
    void Form_Load();
    void Placer();

    Plateforme& m_plateforme;
    EtatProgramme& m_etat;
    ParametresProgramme m_parametres;
    std::unique_ptr<ListeFichiers> m_liste;
    std::unique_ptr<DeplacementPas> m_deplacement;
    std::unique_ptr<TriChronologique> m_tri;
    QString m_cheminDossier;
    bool m_fenetreActivee = false;
    bool m_activationEnCours = false;
};
