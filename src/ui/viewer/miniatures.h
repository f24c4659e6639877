#pragma once

#include <QList>
#include <QObject>

class FrmPhoto;
class QLabel;
class QScrollBar;
class QWidget;
struct DemandeImage;
struct ImageLue;

// The column of thumbnails that takes the file list's place: the switch CmdMin, building
// and clearing the thumbnails, their clicks, the right-click deletion and the scroll bar VS.
class Miniatures : public QObject {
    Q_OBJECT
public:
    explicit Miniatures(FrmPhoto& fenetre);

    void CmdMin_Click();
    // Builds a thumbnail for every file of the list, at most 145 from a number asked for.
    // Pictures are decoded on worker threads and placed in list order; the window repaints
    // meanwhile but takes no command until the last one is placed.
    void Charge_Miniatures();
    void Vide_Miniatures();
    void ImgMin_Click(int k);
    // Right button: the file of the thumbnail goes to the trash, after a question.
    void ImgMin_SupprimerFichier(int k);

    // The thumbnail (from 1) of a list entry; 0 when it has none.
    int Numero(int rang) const;
    // The list click: the thumbnail of the entry shown is highlighted and brought into view.
    void SuivreEntree(int rang);
    // The enlarged view moved from entry ancien to its neighbour.
    void DefilerVoisin(int ancien, int pas);
    // The slideshow reached entry rang.
    void DefilerDiaporama(int rang);
    bool EnChargement() const { return m_chargement; }

    int NbMiniatures = 0;
    int MiniatureChoisie = 0;
    QWidget* PctImg;
    QScrollBar* VS;
    // Element 0 of each array is the hidden design element.
    QList<QLabel*> ImgMin;
    QList<QLabel*> LblMin;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void RetourListe();
    // The text overlay's item as it was before the thumbnails.
    void RendreOptTexte();
    // The scroll bar and the column in the panel, the column as high as the frame.
    void Disposer();
    // The next cell of the pool.
    void Creer();
    void Placer(int i, const QString& nom, const std::optional<ImageLue>& lue);
    // The column as high as this many thumbnails need, and the scroll bar's range.
    void Agrandir(int nombre);
    void Colorer(int k, bool eclaire);
    void RendreVisible(int k);
    DemandeImage Demande(const QString& nom) const;
    // While the thumbnails load, clicks and keys of the main window wait; a folder that the
    // user tries to open is refused with a message.
    bool FiltrerPendantChargement(QObject* objet, QEvent* event);

    FrmPhoto& m_f;
    bool m_chargement = false;
    int m_eclaire = 0;
    int m_presse = 0;
    bool m_optTexte = false;
};
