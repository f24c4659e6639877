#pragma once

#include "renommageclavier.h"

#include <QImage>
#include <QPersistentModelIndex>
#include <QSize>

class FrmPhoto;

// The quarter turn to the left of the picture shown, held until the commit asks whether to
// save it. A JPEG is turned without decoding it (when its size allows) and keeps its
// metadata; it and a BMP replace their file atomically; any other picture gets a JPEG of its
// base name beside it.
class Rotation {
public:
    explicit Rotation(FrmPhoto& fenetre);

    void axBPivoter_Click();
    // The commit's question and the save; rang is the row the move starts from.
    RenommageClavier::Etape EnregistrerRotation(int& rang);
    // The rotation went into another result (the text overlay moved the photo away).
    void Oublier();

private:
    RenommageClavier::Etape Ecrire(const QString& nom, int& rang);
    void AfficherTourne();

    FrmPhoto& m_f;
    // The picture turned, decoded once at the preview's size, and what it was read from.
    QPersistentModelIndex m_entree;
    QString m_nom;
    QImage m_image;
    QSize m_taille;
    qint64 m_octets = 0;
};
