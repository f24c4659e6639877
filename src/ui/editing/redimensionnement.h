#pragma once

#include "redimension.h"

#include <QByteArray>
#include <QSize>
#include <QStringList>
#include <optional>

class FrmPhoto;
class FrmRedim;
struct ImageSource;

// Resizing: the selected photo into "(R)" + its name beside it, or every selected photo into
// a new folder of the open folder. A batch decodes and encodes its photos on every core and
// writes them in list order.
class Redimensionnement {
public:
    explicit Redimensionnement(FrmPhoto& fenetre);

    void axBRedimensionner_Click();

    // The JPEG of a picture at that size, turned first by quartsGauche quarter turns to the
    // left (a rotation still waiting for the commit); nothing when it cannot be made.
    static std::optional<QByteArray> Redimensionner(const ImageSource& source, const QSize& taille,
                                                    int quartsGauche = 0);

private:
    void CmdAction_Click(FrmRedim& fenetre);
    void CmdPlusieurs_Click(FrmRedim& fenetre);
    // Writes the results of the photos named into the batch folder; answers the names of the
    // photos not written.
    QStringList Traiter(FrmRedim& fenetre, const QStringList& noms, RegleTaille regle,
                        double valeur);
    // The single resize's error exit.
    void Echec(FrmRedim& fenetre);

    FrmPhoto& m_f;
    // After a single resize the list is refreshed from the folder.
    bool m_rafraichir = false;
    QString m_resultat;
    QString m_dossierRedim;
};
