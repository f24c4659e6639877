#pragma once

#include "disposition.h"
#include "parametresprogramme.h"

#include <QHash>
#include <QRect>
#include <QSet>
#include <QWidget>
#include <functional>
#include <memory>

struct EtatProgramme;
struct Plateforme;
class DeplacementPas;
class DeplacementRapide;
class GestionFichiers;
class Marques;
class SelectionFichiers;
class Incrementation;
class AnnulationRenommage;
class ApercuPhoto;
class ListeFichiers;
class RenommageClavier;
class Remplacement;
class NumeroADroite;
class PanneauSon;
class Retouche;
class QProgressBar;
class MenusPhoto;
class NavigationDossiers;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
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
    Marques& marques() { return *m_marques; }
    SelectionFichiers& selectionFichiers() { return *m_selection; }
    DeplacementRapide& deplacementRapide() { return *m_rapide; }
    Incrementation& incrementation() { return *m_incrementation; }
    NavigationDossiers& navigation() { return *m_navigation; }
    ApercuPhoto& apercu() { return *m_apercu; }
    RenommageClavier& renommage() { return *m_renommage; }
    Remplacement& remplacement() { return *m_remplacement; }
    NumeroADroite& numeroADroite() { return *m_numeroADroite; }
    AnnulationRenommage& annulation() { return *m_annulation; }
    MenusPhoto& menus() { return *m_menus; }
    PanneauSon& son() { return *m_son; }
    GestionFichiers& gestionFichiers() { return *m_gestionFichiers; }
    const Disposition& disposition() const { return m_disposition; }

    // Activation steps; the first activation opens the start folder. Runs on every
    // activation of the window, and tests call it directly.
    void Form_Activate();
    bool FenetreActivee() const { return m_fenetreActivee; }

    // The folder tree's current path. Setting a new one runs the folder change; false when
    // the folder cannot be opened (it does not exist), and nothing changes then.
    QString CheminDossier() const { return m_cheminDossier; }
    bool DefinirCheminDossier(const QString& chemin);
    // The same for a folder chosen in the tree; a name the tree could not read is explained.
    void OuvrirDossierArbre(const QString& chemin);

    void LstFF_Click();
    void LstFF_DblClick();
    // Applies the selection rule to the name box.
    void Preselectionner();
    // Stops and releases the sound being played before a file is renamed or shown.
    void Stop_son();
    // The preview's frame, in the window's pixels.
    QRect CadreApercu() const;
    // The completion of the move below a clicked file, run by the list click when it waits.
    std::function<void()> TerminerDeplacementSousClic;
    // Selects one entry alone and runs the list's click handling, as a selection made by the
    // program does.
    void SelectionnerEntree(int rang);
    void mnuRep_Click();
    void mnuNLi_Click();
    void axBAide_Click();
    void axBAP_Click();
    void CmdOption_Click();
    void CmdChoix_Click();

    // The window's key handling sees every key pressed in any of its controls first. A
    // handler answers true when it took the key; handlers added with enTete run before the
    // others (the marking keys come before every other key).
    using GestionnaireTouches = std::function<bool(QKeyEvent*)>;
    void AjouterGestionnaireTouches(GestionnaireTouches gestionnaire, bool enTete = false);

    // Buttons whose command comes with a later part of the program stay disabled or hidden
    // until their handler makes them available.
    bool Disponible(const QWidget* bouton) const { return m_disponibles.contains(bouton); }
    void RendreDisponible(QWidget* bouton) { m_disponibles.insert(bouton); }

    // Lays every control out from its design position and the window's scales.
    void AjusterFenetre();
    // The large buttons' hover highlight: one of CmdOK, CmdRefresh, CmdInc, or none.
    void Eclairer(QPushButton* bouton);

    // Left column: drives, folders, history and favourites.
    QWidget* PctC;
    QComboBox* DrvDrive;
    QTreeView* DirDirectory;
    QFileSystemModel* ModeleDossiers;
    QCheckBox* ChKDos;
    QToolButton* axBRetour;
    QToolButton* axBSuivant;
    QToolButton* axBEnrDos;
    QToolButton* axBIni;
    QToolButton* axBF;
    QToolButton* axBRep;
    QToolButton* axBNouvRep;
    QPushButton* CmdOption;
    QPushButton* axBAide;
    QPushButton* axBAP;
    // Middle: the file list and the name box.
    QComboBox* CboFileType;
    QLabel* LabelTrie;
    QListWidget* LstFF;
    QToolButton* ImgUp;
    QToolButton* ImgDown;
    QToolButton* CmdRapide;
    QLabel* LblDirName;
    QLabel* LblRang;
    QPushButton* axBM;
    QPushButton* axBDM;
    QPushButton* axBSel0;
    QPushButton* axBSel1;
    QToolButton* axBPP1;
    QPushButton* axBPP2;
    QLineEdit* TxtFileName;
    QPushButton* CmdChoix;
    QPushButton* CmdInc;
    QPushButton* CmdA;
    QPushButton* CmdD;
    // Right: the preview, its commands, the text overlay and the sound.
    QLabel* Img0;
    QLabel* LblNonImage;
    QLabel* LblTaille;
    QToolButton* axBPivoter;
    QToolButton* axBRedimensionner;
    QToolButton* axBDiapo;
    QPushButton* CmdMin;
    QRadioButton* OptZ0;
    QRadioButton* OptZ1;
    QCheckBox* ChkIns;
    QLineEdit* Txt;
    QLabel* Lblmp31;
    QLabel* Lblmp32;
    QSlider* SLD;
    QToolButton* CmdJouer;
    QToolButton* CmdStop;
    QWidget* PctSon;
    QPushButton* axBson;
    QPushButton* CmdRefresh;
    QPushButton* CmdOK;
    QWidget* PctMere;
    QWidget* PctCharge;
    QProgressBar* Prg;
    QLabel* LblN;
    QLabel* LblVersion;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreerControles();
    void SelectionnerPhotoDemandee();
    void Relier();
    void NommerPourAccessibilite();
    void Form_Load();
    // Closing: offers to strip the mark from the files of every folder opened since
    // start-up. False when the user cancels.
    bool RetirerMarquesAvantFermeture();
    // Records a control's place on the design grid, relative to its parent, in pixels of
    // the design (1024 x 741).
    template <typename T> T* Placer(T* controle, int x, int y, int largeur, int hauteur);

    Plateforme& m_plateforme;
    EtatProgramme& m_etat;
    ParametresProgramme m_parametres;
    std::unique_ptr<ListeFichiers> m_liste;
    std::unique_ptr<DeplacementPas> m_deplacement;
    std::unique_ptr<TriChronologique> m_tri;
    std::unique_ptr<Marques> m_marques;
    std::unique_ptr<SelectionFichiers> m_selection;
    std::unique_ptr<DeplacementRapide> m_rapide;
    std::unique_ptr<Incrementation> m_incrementation;
    std::unique_ptr<NavigationDossiers> m_navigation;
    std::unique_ptr<ApercuPhoto> m_apercu;
    std::unique_ptr<RenommageClavier> m_renommage;
    std::unique_ptr<Remplacement> m_remplacement;
    std::unique_ptr<NumeroADroite> m_numeroADroite;
    std::unique_ptr<AnnulationRenommage> m_annulation;
    std::unique_ptr<PanneauSon> m_son;
    std::unique_ptr<Retouche> m_retouche;
    std::unique_ptr<GestionFichiers> m_gestionFichiers;
    MenusPhoto* m_menus = nullptr;
    Disposition m_disposition;
    QHash<QWidget*, QRect> m_dessin;
    QSet<const QWidget*> m_disponibles;
    QList<GestionnaireTouches> m_gestionnairesTouches;
    QString m_cheminDossier;
    // The start folder of the settings, or the path of the command line, when it no longer
    // exists, until the user is told; the photo of the command line, until it is selected.
    QString m_departIntrouvable;
    QString m_demandeIntrouvable;
    QString m_photoDemandee;
    // A mouse press in the list starts a click; a selection change handles it first.
    bool m_clicTraite = false;
    bool m_fenetreActivee = false;
    bool m_activationEnCours = false;
};
