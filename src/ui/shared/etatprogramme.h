#pragma once

#include "fichiersparametres.h"
#include "historiquedossiers.h"
#include "options.h"

#include <QString>
#include <QStringList>

enum class ModeAffichage { Liste, Miniatures };

// The program's module-wide variables, owned by the main window and handed by reference to
// the subsystems.
struct EtatProgramme {
    // The data folder, ending with "/DataKorvane/DataPhoto".
    QString DossierDonnees;
    // The open folder, always ending with "/".
    QString RepertoireOuvert;

    Options options;
    ParametresPhoto photo;

    ModeAffichage modeAffichage = ModeAffichage::Liste;
    int PremiereMiniature = 0;
    int DerniereMiniature = -1;

    // Set while a command changes the list itself: list clicks are then ignored.
    bool ListeOccupee = false;
    // The picture last shown: its own size, its ratio, its shooting date.
    int LargeurPhoto = 0;
    int HauteurPhoto = 0;
    float RapportPhoto = 0;
    QString DatePhoto;
    // A quarter turn of the picture shown waits for the commit: QuartsAGauche quarter turns to
    // the left (four turns are still a rotation). Every list click discards it.
    bool RotationEnCours = false;
    int QuartsAGauche = 0;
    // Set once a list click has shown its file.
    bool ApercuPret = false;
    bool ZoomARecalculer = false;
    bool AfficherApercu = true;
    bool PasDePhoto = true;
    bool IgnorerClicVide = false;
    bool IgnorerClicApercu = false;
    // Set by the report window's button; a batch rename waits for it.
    bool FinRapport = false;
    // Asks a picture loading loop to stop because the folder is changing.
    bool ArretChargement = false;

    // The link-string check of the inline renaming.
    bool RemplacementLiaison = false;
    bool VerifierLiaison = false;

    // The pending list operation: 0 nothing, 1 files copied, 2 files cut, 3 a move below the
    // next clicked file; and the names or paths it holds.
    int OperationEnAttente = 0;
    QStringList FichiersADeplacer;

    int IndexCourant = 0;
    int IndexSouris = 0;

    // Folder history: the next folder change is recorded while true.
    bool EnregistrerDossier = true;
    HistoriqueDossiers historique;
    // Every folder opened since start-up, duplicates kept.
    QStringList DossiersOuverts;
};
