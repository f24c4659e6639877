#pragma once

#include <QDialog>

struct ParametresIncrementation;
class Dialogues;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The incrementation options: where the number goes, the link string, the start number, a
// title, renaming a numbered list, selecting every file. OK keeps the choices in the
// parameters and the link string; the caller saves them.
class FrmChoixIncrementation : public QDialog {
    Q_OBJECT
public:
    FrmChoixIncrementation(ParametresIncrementation& parametres, QString& chaineLiaison,
                           Dialogues& dialogues, QWidget* parent = nullptr);

    void CmdOK_Click();
    void CmdAnnule_Click();
    void CmdI_Click();
    void TxtChiffre_LostFocus();

    QRadioButton* Opt1;
    QRadioButton* Opt2;
    QLabel* Lbl1;
    QLabel* Lbl2;
    QLineEdit* TxtL;
    QLineEdit* TxtChiffre;
    QCheckBox* ChkTitre;
    QCheckBox* ChkRenom;
    QCheckBox* ChkSel;
    QPushButton* CmdOK;
    QPushButton* CmdAnnule;
    QPushButton* CmdI;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void TxtL_Change(const QString& texte);
    void ChkRenom_Click();

    ParametresIncrementation& m_p;
    QString& m_chaineLiaison;
    Dialogues& m_dialogues;
    bool m_verification = false;
};
