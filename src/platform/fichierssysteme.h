#pragma once

#include "fichiers.h"

// Files and folders of the Linux system.
class FichiersSysteme : public Fichiers {
public:
    using Fichiers::Lister;
    QStringList Lister(const QString& dossier) override;
    bool Existe(const QString& chemin) override;
    int NombreEntrees(const QString& dossier) override;
    bool EstDossier(const QString& chemin) override;
    bool MemeEntree(const QString& a, const QString& b) override;
    std::optional<Journal::Identite> Identite(const QString& chemin) override;
    Resultat RetirerDoublon(const QString& garde, const QString& doublon) override;
    Resultat Renommer(const QString& de, const QString& vers) override;
    Resultat Copier(const QString& de, const QString& vers) override;
    Resultat Deplacer(const QString& de, const QString& vers) override;
    Resultat MettreCorbeille(const QString& chemin) override;
    Resultat Supprimer(const QString& chemin) override;
    bool LectureSeule(const QString& chemin) override;
    Resultat RetirerLectureSeule(const QString& chemin) override;
    Resultat CreerDossier(const QString& chemin) override;
    Resultat SupprimerDossierVide(const QString& chemin) override;
    std::optional<QByteArray> Lire(const QString& chemin, qint64 maximum = -1) override;
    Resultat EcrireAtomique(const QString& chemin, const QByteArray& contenu) override;
};
