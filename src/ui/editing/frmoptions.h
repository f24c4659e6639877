#pragma once

#include "options.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
struct Plateforme;

// The options of the text written onto photos: font, size, styles, colour, position (a
// corner, or a point clicked on the preview) and whether the photo goes to "Photos
// sauvegardées". It closes only through "Enregistrer et Quitter", which saves them.
class FrmOptions : public QDialog {
    Q_OBJECT
public:
    // options are the program's; they change only when the window is saved. texte is the text
    // the sample shows, apercu the picture of the main preview and photo its own size.
    FrmOptions(Plateforme& plateforme, const Options& options, const QString& texte,
               const QPixmap& apercu, const QSize& photo, QWidget* parent = nullptr);

    // The options as the window leaves them (fields 1 to 11).
    const Options& options() const { return m_options; }

    QLabel* LblP;
    QLabel* LblS;
    QLabel* LblC;
    QCheckBox* ChkG;
    QCheckBox* ChkI;
    QCheckBox* ChkU;
    QPushButton* CmdPolice;
    QRadioButton* Opt[5];
    QCheckBox* ChkC;
    QLabel* ImgOpt;
    QLabel* LblTexte;
    QPushButton* CmdQuitter;

public Q_SLOTS:
    // The close box and Escape do not close the window.
    void reject() override;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void Afficher();
    void CmdPolice_Click();
    void Opt_Click(int index);
    void CmdQuitter_Click();
    void PlacerTexte();
    QFont Police() const;

    Plateforme& m_plateforme;
    Options m_options;
    QSize m_photo;
};
