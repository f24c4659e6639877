#include "gestionfichiers.h"

#include "copiercoller.h"
#include "editeurs.h"
#include "favoris.h"
#include "frmphoto.h"
#include "gestiondossiers.h"
#include "menuediteurs.h"
#include "suppressionfichiers.h"

// The QObject parts belong to the window, which deletes them with itself.
GestionFichiers::GestionFichiers(FrmPhoto& fenetre)
    : m_favoris(new Favoris(fenetre)), m_collage(new CopierColler(fenetre, *m_favoris)),
      m_editeurs(new Editeurs(fenetre.plateforme(), &fenetre)),
      m_suppression(std::make_unique<SuppressionFichiers>(fenetre, *m_collage)),
      m_dossiers(std::make_unique<GestionDossiers>(fenetre, *m_favoris)),
      m_menuEditeurs(std::make_unique<MenuEditeurs>(fenetre, *m_editeurs)) {}

GestionFichiers::~GestionFichiers() = default;
