#include "incrustation.h"

#include "options.h"

QPointF PositionTexte(int position, const QSizeF& image, const QSizeF& texte, double positionX,
                      double positionY) {
    if (position == 4)
        return {positionX * image.width() / 100, positionY * image.height() / 100};
    if (position < 0 || position > 3)
        position = 0;
    const bool gauche = position == 0 || position == 2;
    const bool haut = position <= 1;
    return {gauche ? 50 : image.width() - 50 - texte.width(),
            haut ? 20 : image.height() - 20 - texte.height()};
}

bool IncrustationReglee(const Options& options) {
    return !options.PoliceTexte.isEmpty() && options.TaillePolice > 0;
}

void AppliquerDefautsIncrustation(Options& options) {
    options.PoliceTexte = QStringLiteral("Arial");
    options.TaillePolice = 10;
    options.PoliceGras = 0;
    options.PoliceItalique = 0;
    options.PoliceSouligne = 0;
    options.CouleurTexte = 0;
    options.PositionTexte = 0;
    options.EffacerOriginal = 1;
}
