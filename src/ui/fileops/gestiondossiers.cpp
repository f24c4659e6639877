#include "gestiondossiers.h"

#include "etatprogramme.h"
#include "favoris.h"
#include "frmphoto.h"
#include "listesdossiers.h"
#include "navigationdossiers.h"
#include "outilsfichiers.h"
#include "plateforme.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace {

const QString TitreNouveau = QStringLiteral("Nouveau répertoire");

// dossier is inside protege, or is it.
bool contient(const QString& dossier, const QString& protege) {
    return !protege.isEmpty() &&
           (protege == dossier || protege.startsWith(dossier + QLatin1Char('/')));
}

} // namespace

GestionDossiers::GestionDossiers(FrmPhoto& fenetre, Favoris& favoris)
    : m_f(fenetre), m_favoris(favoris) {
    for (QToolButton* b : {m_f.axBNouvRep, m_f.axBRep}) {
        m_f.RendreDisponible(b);
        b->setEnabled(true);
    }
    QObject::connect(m_f.axBNouvRep, &QToolButton::clicked, &m_f, [this] { axBNouvRep_Click(); });
    QObject::connect(m_f.axBRep, &QToolButton::clicked, &m_f, [this] { axBRep_Click(); });
}

void GestionDossiers::axBNouvRep_Click() {
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    QString parent = d.ChoisirDossier(QStringLiteral(
        "Sélectionner le répertoire ou le disque où vous voulez créer ce nouveau répertoire, et "
        "valider par OK"));
    const QString nom = parent.isEmpty()
                            ? QString()
                            : d.Saisie(QStringLiteral("Donner un nom au répertoire de destination "
                                                      "à créer."),
                                       TitreNouveau);
    if (!parent.endsWith(QLatin1Char('/')))
        parent += QLatin1Char('/');
    if (nom.trimmed().isEmpty() || !OutilsFichiers::NomDossierAccepte(d, nom, TitreNouveau)) {
        m_f.TxtFileName->setFocus();
        return;
    }
    if (p.fichiers.EstDossier(parent + nom)) {
        d.Message(QStringLiteral("Ce répertoire existe déjà !"), Dialogues::Icone::Critique,
                  Dialogues::Boutons::Ok, 0, TitreNouveau);
        m_f.TxtFileName->setFocus();
        return;
    }
    if (OutilsFichiers::CreerSousDossier(p, parent, nom, TitreNouveau)) {
        m_f.etat().ArretChargement = true;
        m_f.DefinirCheminDossier(parent + nom);
    }
    m_f.TxtFileName->setFocus();
}

bool GestionDossiers::Renommable(const QString& dossier) const {
    const Plateforme& p = m_f.plateforme();
    if (dossier.isEmpty() || dossier == QLatin1String("/") ||
        NavigationDossiers::LecteurDe(dossier) == dossier || m_f.DrvDrive->findText(dossier) >= 0)
        return false;
    for (const QString& protege : {p.environnement.dossierPersonnel,
                                   p.environnement.dossierProgramme, m_f.etat().DossierDonnees})
        if (contient(dossier, protege))
            return false;
    return true;
}

void GestionDossiers::axBRep_Click() {
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    EtatProgramme& etat = m_f.etat();
    const QString chemin = m_f.CheminDossier();
    if (!Renommable(chemin)) {
        d.Message(QStringLiteral(" Ce répertoire ne peut être renommé !"),
                  Dialogues::Icone::Information);
        return;
    }
    auto finir = [this] { m_f.TxtFileName->setFocus(); };
    if (d.Message(QStringLiteral("Renommer ") + chemin + QStringLiteral(" ?"),
                  Dialogues::Icone::Question,
                  Dialogues::Boutons::OuiNon) != Dialogues::Reponse::Oui)
        return finir();
    const qsizetype barre = chemin.lastIndexOf(QLatin1Char('/'));
    const QString parent = chemin.left(barre + 1);
    const QString actuel = chemin.mid(barre + 1);
    const QString nom = d.Saisie(QStringLiteral("Renommer \n") + chemin, {}, actuel);
    if (nom.trimmed().isEmpty() || nom == actuel || !OutilsFichiers::NomDossierAccepte(d, nom))
        return finir();
    const QString nouveau = parent + nom;

    // Nothing of the folder may stay open, nor be read while it changes name.
    m_f.Stop_son();
    etat.ArretChargement = true;
    if (const Resultat r = p.fichiers.Renommer(chemin, nouveau); !r) {
        d.Message(p.fichiers.Existe(nouveau)
                      ? QStringLiteral("Un fichier ou un répertoire porte déjà ce nom :\n%1\n\nLe "
                                       "répertoire n'a pas été renommé.")
                            .arg(nouveau)
                      : QStringLiteral("Le répertoire n'a pas pu être renommé :\n%1\n%2")
                            .arg(chemin, r.message),
                  Dialogues::Icone::Exclamation);
        return finir();
    }
    SuivreRenommage(chemin, nouveau);
    m_f.Stop_son();
    // Already in the history under its new name: opening it again records nothing.
    etat.EnregistrerDossier = false;
    m_f.DefinirCheminDossier(nouveau);
    etat.EnregistrerDossier = true;
    finir();
}

void GestionDossiers::SuivreRenommage(const QString& ancien, const QString& nouveau) {
    EtatProgramme& etat = m_f.etat();
    etat.historique.DeplacerDossier(ancien, nouveau);
    for (QString& dossier : etat.DossiersOuverts)
        dossier = ListesDossiers::DeplacerChemin(dossier, ancien, nouveau);
    const QString depart =
        ListesDossiers::DeplacerChemin(etat.photo.RepertoireDemarrage, ancien, nouveau);
    if (depart != etat.photo.RepertoireDemarrage) {
        etat.photo.RepertoireDemarrage = depart;
        m_f.parametres().EcrirePhotoIni();
    }
    m_favoris.DeplacerDossier(ancien, nouveau);
}
