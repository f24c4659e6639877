#pragma once

#include <QDialog>

struct Plateforme;

// The about window: the program's name, its purpose and its version.
class FrmAPROPOS : public QDialog {
    Q_OBJECT
public:
    FrmAPROPOS(Plateforme& plateforme, QWidget* parent = nullptr);
};
