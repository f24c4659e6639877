#include "controles.h"

#include <QPushButton>

QPushButton* BoutonFenetre(QWidget* parent, const QString& nom, const QString& legende) {
    auto* b = new QPushButton(legende, parent);
    b->setObjectName(nom);
    b->setAutoDefault(false);
    return b;
}
