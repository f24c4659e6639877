#pragma once

#include "lecteurimages.h"

#include <QPersistentModelIndex>
#include <QString>
#include <memory>

class Diaporama;
class FrmPhoto;
class FrmZoom;
class Miniatures;
class QMouseEvent;

// The preview of the main window: what a click in the file list shows, the picture fitted in
// its frame with the information line, the double click, the mouse on the preview and the
// loading display of a newly listed folder.
class ApercuPhoto {
public:
    explicit ApercuPhoto(FrmPhoto& fenetre);
    ~ApercuPhoto();
    // Creates the thumbnails' and the slideshow's handlers and connects the zoom options,
    // once the window's controls exist.
    void Brancher();

    void LstFF_Click();
    void LstFF_DblClick();
    // The picture of the file of that name in the preview; false (and the "not a picture"
    // state) when it cannot be read.
    bool AfficherPhoto(const QString& nom);
    // Empties the preview picture and removes its border.
    void ViderApercu();
    void Charge_images();
    void Img_MouseDown(QMouseEvent* event);
    void Img_MouseMove();
    // The enlarged view of the picture shown, when there is one.
    void OuvrirAgrandissement();

    // Pictures as the preview and the enlarged view show them.
    DemandeImage DemandeApercu(const QString& nom) const;
    DemandeImage DemandeEcran(const QString& nom);
    LecteurImages& lecteur() { return m_lecteur; }
    // The enlarged view, made when first needed; it then stays.
    FrmZoom& Zoom();
    bool ZoomCree() const { return m_zoom != nullptr; }
    Miniatures& miniatures() { return *m_miniatures; }
    Diaporama& diaporama() { return *m_diaporama; }

    // The name of the current entry when it was selected; given back when an edit is refused.
    QString NomInitial;
    // The entry whose name the box holds and whose picture is shown: the one a commit
    // renames. Invalid once the entry has left the list.
    QPersistentModelIndex EntreeAffichee;

private:
    void EchecAffichage(const QString& nom);
    void MettreAJourBoutonsSelection(bool plusieurs);
    // Reads the neighbours of the entry shown while the user works on it.
    void Prechercher(int rang);

    FrmPhoto& m_f;
    LecteurImages m_lecteur;
    FrmZoom* m_zoom = nullptr;
    std::unique_ptr<Miniatures> m_miniatures;
    std::unique_ptr<Diaporama> m_diaporama;
    // The enlarged view holds another picture than the one shown: fitted again at opening.
    bool m_zoomPerime = true;
};
