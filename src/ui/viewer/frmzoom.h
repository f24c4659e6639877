#pragma once

#include <QDialog>
#include <QPointF>
#include <QRect>
#include <functional>

class FrmPhoto;
class QLabel;
class QMenu;
class QMouseEvent;
class QToolButton;
class ImageZoom;

// The enlarged view: the selected picture fitted to the screen, the previous and next files,
// the magnifier under the held left button, and its menu (rate, slideshow, editors). Closing
// hides it: the rate chosen stays while the program runs.
class FrmZoom : public QDialog {
    Q_OBJECT
public:
    explicit FrmZoom(FrmPhoto& principale);
    ~FrmZoom() override;

    // Fits the picture of that file of the open folder to the screen (first decoded at the
    // size shown; the whole picture follows in the background while the window is shown),
    // and keeps its place as the one the magnifier restores. False when it cannot be read.
    bool Ajuster(const QString& nom);
    // The file whose picture is fitted ("" when none).
    QString NomAjuste() const { return m_nom; }
    // The information label: position, name and information line, in the chosen colour.
    void Afficher_Infos_Zoom();
    void ImgAp_Click();
    void ImgAv_Click();
    // The menu while the slideshow runs: its start item off, its stop item on, editors off.
    void DefinirDiaporama(bool enCours);
    // The size the picture is fitted in: the screen.
    QSize Ecran() const;
    // Whether the whole picture has been decoded for the magnifier.
    bool ImageEntiere() const;

    // Adds the registered editors after entry 0 of the menu, each an action named
    // "mnuOuvrir(n)" whose command opens the file given in that editor. Run before every
    // pop-up of the menu; the window hides after any editor entry.
    std::function<void(QMenu& menu, const QString& fichier)> RemplirEditeurs;

    double TauxZoom = 2;
    // The fitted picture: ZoomGauche, ZoomHaut, ZoomLargeur, ZoomHauteur.
    QRect Ajuste;
    QPointF PointZoom;
    QPointF PointEcran;
    bool ZoomActif = false;
    // Where the pointer was last put, in the window's pixels.
    QPoint PositionPointeur;

    QWidget* ImgZ;
    QToolButton* ImgAv;
    QToolButton* ImgAp;
    QLabel* LblTitre;
    QMenu* mnuInv;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreerMenu();
    void AfficherMenu(const QPoint& position);
    void ImgZ_MouseDown(QMouseEvent* event);
    void ImgZ_MouseMove(QMouseEvent* event);
    void ImgZ_MouseUp();
    void Form_Activate();
    void PlacerPointeur(const QPointF& point);
    void mnuZ_Click(int index);
    void mnuOuvrir_Click();
    void ChargerEntiere();
    QString Chemin() const;

    FrmPhoto& m_f;
    ImageZoom* m_image;
    QString m_nom;
};
