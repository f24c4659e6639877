#pragma once

#include <memory>

class CopierColler;
class Editeurs;
class Favoris;
class FrmPhoto;
class GestionDossiers;
class MenuEditeurs;
class SuppressionFichiers;

// The file operations of the main window: favourites and copy folders, copy, cut and paste,
// deletion to the trash, folders, editors. Each part connects its own controls.
class GestionFichiers {
public:
    explicit GestionFichiers(FrmPhoto& fenetre);
    ~GestionFichiers();

    Favoris& favoris() { return *m_favoris; }
    CopierColler& copierColler() { return *m_collage; }
    SuppressionFichiers& suppression() { return *m_suppression; }
    GestionDossiers& dossiers() { return *m_dossiers; }
    // The editor list, which other windows' editor menus are filled from too.
    Editeurs& editeurs() { return *m_editeurs; }
    MenuEditeurs& menuEditeurs() { return *m_menuEditeurs; }

private:
    Favoris* m_favoris;
    CopierColler* m_collage;
    Editeurs* m_editeurs;
    std::unique_ptr<SuppressionFichiers> m_suppression;
    std::unique_ptr<GestionDossiers> m_dossiers;
    std::unique_ptr<MenuEditeurs> m_menuEditeurs;
};
