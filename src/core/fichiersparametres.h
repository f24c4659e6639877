#pragma once

#include <QByteArray>
#include <QString>

// "Photo.ini": start folder, warning before an incrementation, start mode.
struct ParametresPhoto {
    QString RepertoireDemarrage;
    bool AfficherAvertissement = true;
    quint8 OuvrirDernier = 0;

    QByteArray versLigne() const;
    // Guarded like every settings read: stops at the first damaged field.
    int lire(const QByteArray& contenu);
};

// "Pos.ini": the main window's left and top edges, in twips.
struct PositionFenetre {
    qint16 PosGauche = 0;
    qint16 PosHaut = 0;

    QByteArray versLigne() const;
    // True only when both edges were read.
    bool lire(const QByteArray& contenu);
};

namespace FichiersParametres {

inline const QString Options = QStringLiteral("Options.cfg");
inline const QString Photo = QStringLiteral("Photo.ini");
inline const QString Pos = QStringLiteral("Pos.ini");
inline const QString Av = QStringLiteral("Av.ini");
inline const QString CheminData = QStringLiteral("CheminData.cfg");

// One string field: "CheminData.cfg".
QByteArray texteSeul(const QString& valeur);
QString lireTexteSeul(const QByteArray& contenu);
// One boolean field: the legacy "Av.ini". Answers false when it cannot be read.
bool lireBooleenSeul(const QByteArray& contenu, bool* lu);

} // namespace FichiersParametres
