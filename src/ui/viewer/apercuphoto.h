#pragma once

#include <QPersistentModelIndex>
#include <QString>

class FrmPhoto;
class QMouseEvent;

// The preview of the main window: what a click in the file list shows, the picture fitted in
// its frame with the information line, the double click, the mouse on the preview and the
// loading display of a newly listed folder.
class ApercuPhoto {
public:
    explicit ApercuPhoto(FrmPhoto& fenetre);

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

    // The name of the current entry when it was selected; given back when an edit is refused.
    QString NomInitial;
    // The entry whose name the box holds and whose picture is shown: the one a commit
    // renames. Invalid once the entry has left the list.
    QPersistentModelIndex EntreeAffichee;

private:
    void EchecAffichage(const QString& nom);
    void MettreAJourBoutonsSelection(bool plusieurs);

    FrmPhoto& m_f;
};
