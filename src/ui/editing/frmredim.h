#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The resize window: the picture, its current size, the size chosen (the two boxes drive
// each other through the picture's ratio), the busy label and the batch's progress. Its
// buttons are connected by the resizing handler.
class FrmRedim : public QDialog {
    Q_OBJECT
public:
    FrmRedim(bool plusieurs, QWidget* parent = nullptr);

    // The picture shown in the main preview, fitted into the window's frame, and its size.
    void MontrerPhoto(const QPixmap& image, int largeur, int hauteur, float rapport);
    // The picture that stands for several photos.
    void MontrerPlusieurs();

    // The size typed (0 = not given) and the picture's width / height.
    double NouvelleLargeur = 0;
    double NouvelleHauteur = 0;
    float RapportPhoto = 0;

    QLabel* ImgRedim;
    QLabel* LblL;
    QLabel* LblH;
    QLineEdit* TxtL;
    QLineEdit* TxtH;
    QCheckBox* ChkCons;
    QLabel* LblMess;
    QLabel* LblTitre;
    QProgressBar* PrgR;
    QPushButton* CmdAction;
    QPushButton* CmdPlusieurs;
    QPushButton* CmdAnn;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void Saisie(QLineEdit* boite, const QString& texte);
};
