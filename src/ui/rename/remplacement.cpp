#include "remplacement.h"

#include "appliquerrenommages.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "incrementation.h"
#include "listefichiers.h"
#include "marques.h"
#include "menusphoto.h"
#include "nomincremente.h"
#include "nomsfichiers.h"
#include "passerenommage.h"
#include "plateforme.h"
#include "remplacementsouschaine.h"
#include "renommageclavier.h"
#include "selectionfichiers.h"

#include <QAction>
#include <QListWidget>

Remplacement::Remplacement(FrmPhoto& fenetre) : m_f(fenetre) {
    m_f.menus().Brancher(QStringLiteral("mnuremplace"), [this] { mnuremplace_Click(); });
}

void Remplacement::DemanderSelection() {
    m_f.plateforme().dialogues.Message(
        QStringLiteral("Sélectionnez les fichiers concernés,\npuis cliquez à nouveau sur le menu "
                       "\"Remplacer une chaine de caractères.\""),
        Dialogues::Icone::Information);
}

void Remplacement::mnuremplace_Click() {
    bool& enCours = m_f.renommage().RemplacementEnCours;
    if (!enCours) {
        m_f.selectionFichiers().mnuToutDel_Click();
        DemanderSelection();
        enCours = true;
        return;
    }
    Dialogues& d = m_f.plateforme().dialogues;
    if (d.Message(QStringLiteral("Poursuivre le remplacement de\nchaine de caractères ?"),
                  Dialogues::Icone::Question,
                  Dialogues::Boutons::OuiNon) != Dialogues::Reponse::Oui) {
        Terminer();
        return;
    }
    if (m_f.LstFF->selectedItems().isEmpty()) {
        if (d.Message(QStringLiteral("Aucun fichier n'est sélectionné !\n\nVoulez-vous "
                                     "abandonner ?"),
                      Dialogues::Icone::Exclamation,
                      Dialogues::Boutons::OuiNon) == Dialogues::Reponse::Oui) {
            Terminer();
            return;
        }
        // Still waiting for the selection: the next click performs the replacement.
        DemanderSelection();
        return;
    }
    Remplacer();
}

bool Remplacement::PoursuivreAvecChaineVide() {
    return m_f.plateforme().dialogues.Message(
               QStringLiteral("Voulez-vous poursuivre avec une chaine vide ?"),
               Dialogues::Icone::Aucune, Dialogues::Boutons::OuiNon) == Dialogues::Reponse::Oui;
}

void Remplacement::Remplacer() {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;

    const QString cherchee = d.Saisie(
        QStringLiteral("Sous-chaine de caractères recherchée\nen vue de remplacement :"), {}, {});
    if (cherchee.isEmpty() && !PoursuivreAvecChaineVide())
        return Terminer();
    const QString remplacement =
        d.Saisie(QStringLiteral("Sous-chaine de caractères de remplacement :"), {}, {});
    if (remplacement.isEmpty() && !PoursuivreAvecChaineVide())
        return Terminer();
    if (NomsFichiers::ContientCaractereInterdit(remplacement)) {
        d.Message(QStringLiteral("Ce caractères de remplacement est un caractère interdit !\n"
                                 "Opération annulée."),
                  Dialogues::Icone::Critique);
        return Terminer();
    }
    const QString debut = d.Saisie(
        QStringLiteral("Rang du 1er caractère du nom de fichier, où commencera la recherche de "
                       "la sous-chaine\nà remplacer :\n\nLa valeur est obligatoirement >= à "
                       "\"1\" sous peine d'interruption de l'opération en cours.\n\nLa valeur par "
                       "défaut est \"1\" ,ce qui veut dire que la recherche commencera au premier "
                       "caractère, donc portera sur tout le nom."),
        {}, QStringLiteral("1"));
    if (debut.isEmpty() || NomIncremente::ValeurNumerique(debut) < 1)
        return Terminer();
    const QString nombre = d.Saisie(
        QStringLiteral("Nombre de sous-chaines à remplacer à partir du premier caractère "
                       "choisi :\n\nLa valeur par défaut est \"-1\" ,ce qui veut dire que toutes "
                       "les sous-chaines seront remplacées ; sinon, inscrivez le nombre."),
        {}, QStringLiteral("-1"));
    if (nombre.isEmpty())
        return Terminer();

    QStringList entrees;
    QList<bool> selection;
    QStringList selectionnes;
    for (int i = 0; i < m_f.LstFF->count(); ++i) {
        const QListWidgetItem* entree = m_f.LstFF->item(i);
        entrees.append(entree->text());
        selection.append(entree->isSelected());
        if (entree->isSelected())
            selectionnes.append(entree->text());
    }
    const RemplacementSousChaine::Remplacement r = RemplacementSousChaine::Planifier(
        entrees, selection, cherchee, remplacement, NomIncremente::ValeurNumerique(debut),
        NomIncremente::ValeurNumerique(nombre));

    // The preview: the rows show the names to come; nothing is renamed before "Validez ?".
    FrmRenom& rapport = *m_f.incrementation().rapport();
    etat.ListeOccupee = true;
    rapport.Charger(etat.RepertoireOuvert, selectionnes);
    p.horloge.TraiterEvenements();
    int rang = 0;
    for (int i = 0; i < entrees.size(); ++i) {
        if (!selection[i])
            continue;
        rapport.InscrireNouveauNom(rang++, r.nouveauxNoms[i]);
        p.horloge.TraiterEvenements();
        p.horloge.Pause(150);
    }
    rapport.EtatFinal();
    rapport.AttendreFin(p.horloge);
    etat.FinRapport = false;
    etat.ListeOccupee = false;
    p.horloge.Pause(50);

    if (d.Message(QStringLiteral("Validez ?"), Dialogues::Icone::Question,
                  Dialogues::Boutons::OuiNon) != Dialogues::Reponse::Oui) {
        m_f.marques().Demarquer();
        return Terminer();
    }
    // Two files given one name: the second rename would be refused half-way, so none is made.
    if (r.doublon) {
        SignalerConflit(d, nullptr, p);
        return Terminer();
    }
    m_f.Stop_son();
    etat.ListeOccupee = true;
    const BilanRenommage bilan =
        AppliquerRenommages(r.plan, etat.RepertoireOuvert, p, m_f.LstFF, nullptr, 0);
    etat.ListeOccupee = false;
    if (!bilan.complet) {
        SignalerConflit(d, nullptr, p, bilan);
        return Terminer();
    }
    // Started to correct the link string: say so when the current name still lacks it.
    const QListWidgetItem* courant = m_f.LstFF->currentItem();
    if (etat.RemplacementLiaison && m_f.menus().mnuSecOpt->isChecked() && courant &&
        !courant->text().contains(etat.options.ChaineLiaison))
        d.Message(QStringLiteral("La chaine de liaison n'a pas été correctement corrigée."),
                  Dialogues::Icone::Information);
    Terminer();
}

void Remplacement::Terminer() {
    EtatProgramme& etat = m_f.etat();
    m_f.renommage().RemplacementEnCours = false;
    // A flag left set would silence the link-string check of the keyboard renaming for good.
    etat.RemplacementLiaison = false;
    etat.VerifierLiaison = false;
    m_f.listeFichiers().CmdRefresh_Click();
}
