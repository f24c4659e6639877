#pragma once

#include <QString>
#include <functional>

struct EtatProgramme;
struct Plateforme;
struct PositionFenetre;

// Reads and writes the settings files of the program folder. A file that cannot be written
// is reported once per attempt; the values stay in force until the program ends.
class ParametresProgramme {
public:
    ParametresProgramme(Plateforme& plateforme, EtatProgramme& etat);

    QString Chemin(const QString& nomFichier) const;

    // Load steps: "Photo.ini" (reset first), the main defaults, then "Options.cfg".
    void LirePhotoIni();
    void LireOptions();
    // Reads "Pos.ini"; false when it is missing or damaged.
    bool LirePosIni(PositionFenetre& position) const;
    // First activation: the legacy "Av.ini" holds the warning flag; it is read once and
    // deleted. Answers whether it existed.
    bool MigrerAvIni();

    bool Ecrire_Options();
    bool EcrirePhotoIni();
    bool EcrirePosIni(const PositionFenetre& position);

    // Changes options through f, then saves all 22 fields.
    bool ChangerOptions(const std::function<void()>& f);

private:
    bool Ecrire(const QString& nomFichier, const QByteArray& contenu);

    Plateforme& m_plateforme;
    EtatProgramme& m_etat;
};
