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
    Resultat Copier(const QString& de, const QString& vers,
                    const Avancement& avancement = {}) override;
    Resultat Deplacer(const QString& de, const QString& vers,
                      const Avancement& avancement = {}) override;
    Resultat MettreCorbeille(const QString& chemin) override;
    Resultat Supprimer(const QString& chemin) override;
    bool LectureSeule(const QString& chemin) override;
    Resultat RetirerLectureSeule(const QString& chemin) override;
    Resultat CreerDossier(const QString& chemin) override;
    Resultat SupprimerDossierVide(const QString& chemin) override;
    std::optional<QByteArray> Lire(const QString& chemin, qint64 maximum = -1) override;
    Resultat EcrireAtomique(const QString& chemin, const QByteArray& contenu) override;

protected:
    // The steps of a copy and of a move across volumes, each of which a test can refuse.
    // The publication under the target's name is Renommer, the removal of a moved source is
    // Supprimer.
    //
    // A new empty file of the folder, open for writing, under a hidden temporary name.
    virtual Resultat CreerTemporaire(const QString& dossier, int& descripteur, QString& chemin);
    // Every byte of source into cible, from their current offsets.
    virtual Resultat CopierContenu(int source, int cible, const Avancement& avancement);
    // The source's permissions and times, onto the copy.
    virtual Resultat ReporterAttributs(int source, int cible);
    // The copy holds the source's bytes, all of them.
    virtual Resultat VerifierCopie(const QString& de, const QString& vers);
    // The no-replace rename: 0, or the system's error code (EXDEV across volumes).
    virtual int RenommerBrut(const QString& de, const QString& vers);

private:
    // The copy itself; durable asks for the data on disk before the copy takes its name.
    Resultat CopierFichier(const QString& de, const QString& vers, const Avancement& avancement,
                           bool durable, quint64* inode);
};
