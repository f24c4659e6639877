#include "parametresprogramme.h"

#include "etatprogramme.h"
#include "fichiersparametres.h"
#include "plateforme.h"

ParametresProgramme::ParametresProgramme(Plateforme& plateforme, EtatProgramme& etat)
    : m_plateforme(plateforme), m_etat(etat) {}

QString ParametresProgramme::Chemin(const QString& nomFichier) const {
    return m_plateforme.environnement.dossierProgramme + QLatin1Char('/') + nomFichier;
}

void ParametresProgramme::LirePhotoIni() {
    m_etat.photo.RepertoireDemarrage.clear();
    m_etat.photo.AfficherAvertissement = true;
    if (const auto contenu = m_plateforme.fichiers.Lire(Chemin(FichiersParametres::Photo)))
        m_etat.photo.lire(*contenu);
}

void ParametresProgramme::LireOptions() {
    m_etat.options.appliquerDefautsPrincipaux();
    if (const auto contenu = m_plateforme.fichiers.Lire(Chemin(FichiersParametres::Options)))
        m_etat.options.lire(*contenu);
}

bool ParametresProgramme::LirePosIni(PositionFenetre& position) const {
    const auto contenu = m_plateforme.fichiers.Lire(Chemin(FichiersParametres::Pos));
    return contenu && position.lire(*contenu);
}

bool ParametresProgramme::MigrerAvIni() {
    const QString chemin = Chemin(FichiersParametres::Av);
    if (!m_plateforme.fichiers.Existe(chemin))
        return false;
    if (const auto contenu = m_plateforme.fichiers.Lire(chemin)) {
        bool lu = false;
        const bool valeur = FichiersParametres::lireBooleenSeul(*contenu, &lu);
        if (lu)
            m_etat.photo.AfficherAvertissement = valeur;
    }
    m_plateforme.fichiers.Supprimer(chemin);
    return true;
}

bool ParametresProgramme::Ecrire(const QString& nomFichier, const QByteArray& contenu) {
    const QString chemin = Chemin(nomFichier);
    if (m_plateforme.fichiers.EcrireAtomique(chemin, contenu))
        return true;
    m_plateforme.dialogues.Message(
        QStringLiteral("Impossible d'enregistrer le fichier \"%1\".\nLes réglages modifiés "
                       "restent en vigueur jusqu'à la fermeture du programme.")
            .arg(chemin),
        Dialogues::Icone::Exclamation);
    return false;
}

bool ParametresProgramme::Ecrire_Options() {
    return Ecrire(FichiersParametres::Options, m_etat.options.versLigne());
}

bool ParametresProgramme::EcrirePhotoIni() {
    return Ecrire(FichiersParametres::Photo, m_etat.photo.versLigne());
}

bool ParametresProgramme::EcrirePosIni(const PositionFenetre& position) {
    return Ecrire(FichiersParametres::Pos, position.versLigne());
}

bool ParametresProgramme::ChangerOptions(const std::function<void()>& f) {
    f();
    return Ecrire_Options();
}
