#pragma once

#include <QDialog>

class Dialogues;
class QLabel;
class QPushButton;
class QRadioButton;

// The window of the fast move: where the moved files go around the target rank.
class FrmDeplace : public QDialog {
    Q_OBJECT
public:
    FrmDeplace(Dialogues& dialogues, const QString& rang, QWidget* parent = nullptr);

    // 0 to 3 as the options; 4 while none is chosen, and after Annuler.
    int OrdreDeplacement() const { return m_ordre; }

    QLabel* LblTitre;
    QLabel* LblRang;
    QRadioButton* Opt[4];
    QLabel* Lbl[4];
    QPushButton* CmdOK;
    QPushButton* CmdAnnule;

    // Annuler, Escape and the window's close box all choose nothing.
    void reject() override;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void CmdOK_Click();

    Dialogues& m_dialogues;
    int m_ordre = 4;
};
