#include "lecteurimages.h"

#include <QImageReader>

std::optional<ImageLue> LecteurImages::Lire(const QString& chemin,
                                            const std::function<QSize(QSize)>& tailleVoulue) {
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(true);
    QSize brute = lecteur.size();
    if (!brute.isValid()) {
        // Some formats only know their size once decoded.
        QImage image = lecteur.read();
        if (image.isNull())
            return std::nullopt;
        const QSize voulue = tailleVoulue(image.size());
        ImageLue lue{image, image.size()};
        if (voulue.isValid() && voulue != image.size())
            lue.image = image.scaled(voulue, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return lue;
    }
    const bool tourne = lecteur.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize droite = tourne ? brute.transposed() : brute;
    const QSize voulue = tailleVoulue(droite);
    if (voulue.isValid() && voulue.width() < droite.width() && voulue.height() < droite.height())
        lecteur.setScaledSize(tourne ? voulue.transposed() : voulue);
    const QImage image = lecteur.read();
    if (image.isNull())
        return std::nullopt;
    return ImageLue{image, droite};
}
