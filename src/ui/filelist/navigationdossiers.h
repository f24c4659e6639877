#pragma once

#include <QString>

class FrmPhoto;

// Opening folders: the drive list, the folder tree's change, the back/forward history and
// the deletion of the open folder.
class NavigationDossiers {
public:
    explicit NavigationDossiers(FrmPhoto& fenetre);

    // The mounted volumes, "/" first.
    void RemplirLecteurs();
    // The folder tree's path changed: the display is cleared, the folder recorded and listed.
    void DirDirectory_Change();
    void DrvDrive_Change();
    void axBRetour_Click();
    void axBSuivant_Click();
    void axBEnrDos_Click();
    void axBIni_Click();
    void ChKDos_Click();
    // Right click in the folder tree: the open folder's files go to the trash, then the
    // emptied folder is removed.
    void SupprimerDossierOuvert();

    // The volume that holds a path, as shown in the drive list.
    static QString LecteurDe(const QString& chemin);

private:
    void AllerDansHistorique(const QString& chemin);
    void ActualiserBoutonsHistorique();
    void AfficherLecteur(const QString& chemin);

    FrmPhoto& m_f;
};
