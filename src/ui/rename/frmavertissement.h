#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The warning shown before the incrementation options, until the user asks not to see it
// again.
class FrmAvertissement : public QDialog {
    Q_OBJECT
public:
    // ChkAv starts checked when the warning is no longer to be shown.
    explicit FrmAvertissement(bool afficherAvertissement, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QCheckBox* ChkAv;
    QPushButton* CmdOK;

Q_SIGNALS:
    // ChkAv was clicked: the warning is to be shown again when it is unchecked.
    void afficherAvertissementChoisi(bool afficher);
};
