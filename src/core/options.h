#pragma once

#include <QByteArray>
#include <QString>

// The 22 options of "Options.cfg", in the order of the file. Fields 9 and 12 to 22 carry the
// main window's defaults; fields 1 to 8, 10 and 11 start at zero and an empty font name, as
// the text-overlay window expects them until it has been opened once.
struct Options {
    QString PoliceTexte;
    float TaillePolice = 0;
    quint8 PoliceGras = 0;
    quint8 PoliceItalique = 0;
    quint8 PoliceSouligne = 0;
    qint32 CouleurTexte = 0;
    qint16 PositionTexte = 0;
    quint8 EffacerOriginal = 0;
    quint8 OptionReservee = 0;
    float PositionX = 0;
    float PositionY = 0;
    QString ChaineLiaison = QStringLiteral(" _ ");
    qint16 ToucheMarquer = 116;
    qint16 ToucheDemarquer = 117;
    quint8 InfosAgrandissement = 0;
    qint32 CouleurInfos = 65280;
    quint8 OuvertureSimpleClic = 1;
    quint8 MarquerCopies = 1;
    quint8 NiveauParNumero = 0;
    qint16 PasMolette = 5;
    quint8 BullesListe = 1;
    quint8 CasseIgnoree = 0;

    // Puts back the main defaults (fields 9 and 12 to 22) and leaves the others as they are.
    void appliquerDefautsPrincipaux();

    QByteArray versLigne() const;
    // Reads the fields in order and stops at the first missing or damaged one: the fields
    // before it take the file's values, the rest keep theirs. Answers how many were read.
    int lire(const QByteArray& contenu);

    bool operator==(const Options&) const = default;
};

// The name of a shortcut key code 116 to 123: "F5" to "F12"; "" for any other code.
QString NomTouche(int code);
