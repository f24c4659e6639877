#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>

// A photo-like picture: gradients and noise, so that the JPEG has real detail to decode.
inline void creerPhoto(const QString& chemin, int largeur, int hauteur, int graine) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient degrade(0, 0, largeur, hauteur);
    degrade.setColorAt(0, QColor(30 + graine * 20, 90, 160));
    degrade.setColorAt(1, QColor(240, 180, 60));
    p.fillRect(image.rect(), degrade);
    p.end();
    // Light grain, about what a camera leaves: the files weigh what camera files weigh.
    QRandomGenerator hasard(graine);
    for (int y = 0; y < hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < largeur; x += 4)
            ligne[x] ^= hasard.bounded(0x040404);
    }
    image.save(chemin, "jpg", 90);
}
