#include "placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

void CentrerSurParent(QWidget& fenetre) {
    const QWidget* parent = fenetre.parentWidget();
    if (!parent)
        return;
    const QWidget* principale = parent->window();
    QRect cadre(QPoint(), fenetre.frameGeometry().size().expandedTo(fenetre.size()));
    cadre.moveCenter(principale->frameGeometry().center());
    if (const QScreen* ecran = principale->screen()) {
        const QRect libre = ecran->availableGeometry();
        cadre.moveLeft(std::clamp(cadre.left(), libre.left(),
                                  std::max(libre.left(), libre.right() - cadre.width() + 1)));
        cadre.moveTop(std::clamp(cadre.top(), libre.top(),
                                 std::max(libre.top(), libre.bottom() - cadre.height() + 1)));
    }
    fenetre.move(cadre.topLeft());
}
