#include "outilsfichiers.h"

#include "listesdossiers.h"
#include "operationsfichiers.h"
#include "plateforme.h"

namespace OutilsFichiers {

namespace {

QString cheminListe(Plateforme& p, const QString& nomFichier) {
    return p.environnement.dossierProgramme + QLatin1Char('/') + nomFichier;
}

} // namespace

QByteArray LireListe(Plateforme& p, const QString& nomFichier) {
    return p.fichiers.Lire(cheminListe(p, nomFichier)).value_or(QByteArray());
}

bool EcrireListe(Plateforme& p, const QString& nomFichier, const QByteArray& contenu) {
    const QString chemin = cheminListe(p, nomFichier);
    const Resultat r = p.fichiers.EcrireAtomique(chemin, contenu);
    if (!r)
        p.dialogues.Message(QStringLiteral("Impossible d'enregistrer le fichier \"%1\".\n%2\n\nLa "
                                           "liste n'a pas été modifiée.")
                                .arg(chemin, r.message),
                            Dialogues::Icone::Exclamation);
    return r.ok;
}

bool TexteAccepte(Dialogues& d, const QString& texte) {
    if (ListesDossiers::TientSurUneLigne(texte))
        return true;
    d.Message(QStringLiteral("Ce nom ou ce chemin contient un retour à la ligne :\n\n%1\n\nIl ne "
                             "peut être inscrit dans la liste.")
                  .arg(texte),
              Dialogues::Icone::Exclamation);
    return false;
}

bool NomDossierAccepte(Dialogues& d, const QString& nom, const QString& titre) {
    using OperationsFichiers::RefusNom;
    QString raison;
    switch (OperationsFichiers::VerifierNomDossier(nom)) {
    case RefusNom::Aucun:
        return true;
    case RefusNom::Vide:
        return false;
    case RefusNom::CaractereInterdit:
        raison = QStringLiteral("Le nom d'un répertoire ne peut comporter aucun de ces "
                                "caractères :\n\\ / : * ? \" < >");
        break;
    case RefusNom::Point:
        raison = QStringLiteral("Le nom d'un répertoire ne peut commencer par un point : « . » et "
                                "« .. » sont réservés, et les autres noms seraient cachés.");
        break;
    case RefusNom::TropLong:
        raison = QStringLiteral("Ce nom est trop long : le nom d'un répertoire ne peut dépasser "
                                "255 octets.");
        break;
    }
    d.Message(raison, Dialogues::Icone::Exclamation, Dialogues::Boutons::Ok, 0, titre);
    return false;
}

bool CreerSousDossier(Plateforme& p, const QString& parent, const QString& nom,
                      const QString& titre) {
    if (!NomDossierAccepte(p.dialogues, nom, titre))
        return false;
    const QString chemin = parent + nom;
    // A file of that name, or a folder made meanwhile: the folder is not taken for a new one.
    const Resultat r = p.fichiers.Existe(chemin)
                           ? Resultat::echec(QStringLiteral("un fichier porte déjà ce nom"))
                           : p.fichiers.CreerDossier(chemin);
    if (r)
        return true;
    p.dialogues.Message(
        QStringLiteral("Le répertoire n'a pas pu être créé :\n%1\n%2").arg(chemin, r.message),
        Dialogues::Icone::Exclamation, Dialogues::Boutons::Ok, 0, titre);
    return false;
}

} // namespace OutilsFichiers
