#include "incrementation.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmavertissement.h"
#include "frmchoixincrementation.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "listefichiers.h"
#include "nomincremente.h"
#include "nomsfichiers.h"
#include "passerenommage.h"
#include "plateforme.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

Incrementation::Incrementation(FrmPhoto& fenetre) : m_f(fenetre) {
    m_p.AvecTitre = 1;
    m_rapport = new FrmRenom(m_f.etat(), &m_f);
    connect(m_rapport, &FrmRenom::termine, this, [this] { m_f.CmdRefresh->setFocus(); });
    connect(m_f.CmdInc, &QPushButton::clicked, this, [this] { CmdInc_Click(); });
    connect(m_f.CmdA, &QPushButton::clicked, this, [this] { CmdA_Click(); });
    connect(m_f.CmdD, &QPushButton::clicked, this, [this] { CmdD_Click(); });
}

QStringList Incrementation::Entrees() const {
    QStringList noms;
    noms.reserve(m_f.LstFF->count());
    for (int i = 0; i < m_f.LstFF->count(); ++i)
        noms.append(m_f.LstFF->item(i)->text());
    return noms;
}

QList<bool> Incrementation::Selection() const {
    QList<bool> selection;
    selection.reserve(m_f.LstFF->count());
    for (int i = 0; i < m_f.LstFF->count(); ++i)
        selection.append(m_f.LstFF->item(i)->isSelected());
    return selection;
}

FrmRenom* Incrementation::rapport() const {
    return m_rapport;
}

FrmRenom& Incrementation::Rapport() {
    return *m_rapport;
}

void Incrementation::Rafraichir() {
    m_f.listeFichiers().CmdRefresh_Click();
}

void Incrementation::BoutonsNormaux() {
    m_f.CmdA->hide();
    m_f.CmdD->hide();
    m_f.CmdInc->show();
}

void Incrementation::QuitterMode() {
    BoutonsNormaux();
    Rafraichir();
    m_f.etat().IgnorerClicVide = false;
}

void Incrementation::CmdInc_Click() {
    EtatProgramme& etat = m_f.etat();
    etat.IgnorerClicVide = true;
    etat.ListeOccupee = true;
    if (m_f.LstFF->count() > 0)
        m_f.LstFF->clearSelection();
    etat.ListeOccupee = false;

    m_f.LblTaille->clear();
    m_f.TxtFileName->clear();
    m_f.apercu().ViderApercu();
    m_f.CmdA->show();
    m_f.CmdD->show();
    m_f.CmdInc->hide();

    if (etat.photo.AfficherAvertissement)
        MontrerAvertissement();
    ChoisirOptions();

    etat.ListeOccupee = true;
    if (m_f.LstFF->count() > 0 && m_p.ToutSelectionner == 1)
        m_f.LstFF->selectAll();
    etat.ListeOccupee = false;
    if (m_p.NumeroDepart == 0)
        Rafraichir();
    m_f.TxtFileName->setFocus();
}

void Incrementation::MontrerAvertissement() {
    FrmAvertissement fenetre(m_f.etat().photo.AfficherAvertissement, &m_f);
    connect(&fenetre, &FrmAvertissement::afficherAvertissementChoisi, this,
            &Incrementation::DefinirAfficherAvertissement);
    m_f.plateforme().dialogues.Executer(fenetre);
}

void Incrementation::DefinirAfficherAvertissement(bool afficher) {
    m_f.etat().photo.AfficherAvertissement = afficher;
    m_f.parametres().EcrirePhotoIni();
    Q_EMIT afficherAvertissementModifie(afficher);
}

void Incrementation::ChoisirOptions() {
    EtatProgramme& etat = m_f.etat();
    FrmChoixIncrementation fenetre(m_p, etat.options.ChaineLiaison, m_f.plateforme().dialogues,
                                   &m_f);
    if (m_f.plateforme().dialogues.Executer(fenetre) == QDialog::Accepted) {
        m_f.parametres().Ecrire_Options();
        return;
    }
    BoutonsNormaux();
    etat.IgnorerClicVide = false;
    m_p.NumeroDepart = 0;
}

void Incrementation::CmdA_Click() {
    BoutonsNormaux();
    m_f.TxtFileName->setFocus();
    Rafraichir();
    m_f.etat().IgnorerClicVide = false;
}

void Incrementation::CmdD_Click() {
    // The report window is modal, but a queued click must not start a second action.
    if (m_actionEnCours)
        return;
    Dialogues& d = m_f.plateforme().dialogues;
    const int selectionnes = int(m_f.LstFF->selectedItems().size());
    if (selectionnes == 0) {
        d.Message(QStringLiteral("Vous devez au préalable sélectionner les fichiers à "
                                 "incrémenter et renommer !"),
                  Dialogues::Icone::Information);
        return;
    }
    m_actionEnCours = true;
    m_p.ChaineLiaison = m_f.etat().options.ChaineLiaison;
    if (m_p.AvecTitre == 1 && !VerifierTitre()) {
        m_actionEnCours = false;
        return;
    }
    // A link string that is not a name's character would make every new name a path.
    if (NomsFichiers::ContientCaractereInterdit(m_p.ChaineLiaison) || m_p.ChaineLiaison.isEmpty()) {
        Conflit();
    } else if (m_p.RenommerListe == 1) {
        RenommerListeIncrementee();
    } else {
        Numeroter(selectionnes);
    }
    m_actionEnCours = false;
}

bool Incrementation::VerifierTitre() {
    Dialogues& d = m_f.plateforme().dialogues;
    m_p.TitreListe =
        d.Saisie(QStringLiteral("o  Donnez un nom à votre liste de photos.\n\no  Ce nom NE DOIT "
                                "PAS contenir la chaine de liaison.\n\no  Les caractères "
                                "suivants ne doivent pas être utilisés :\n        \\   /   :   "
                                "*   ?   \"   <   >"),
                 QStringLiteral("Titre de votre liste"), QString());
    QString refus;
    switch (NomIncremente::VerifierTitre(m_p.TitreListe, m_p.ChaineLiaison)) {
    case NomIncremente::ErreurTitre::Aucune:
        return true;
    case NomIncremente::ErreurTitre::CaractereInterdit:
        refus = QStringLiteral("Le titre comporte un caractère interdit !");
        break;
    case NomIncremente::ErreurTitre::ChaineLiaison:
        refus = QStringLiteral("Le titre comporte la chaine de liaison !");
        break;
    case NomIncremente::ErreurTitre::Vide:
        refus = QStringLiteral("Aucun titre n'a été donné à la liste !");
        break;
    }
    d.Message(refus, Dialogues::Icone::Critique);
    QuitterMode();
    return false;
}

bool Incrementation::Passe(const PlanRenommage& plan) {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    QStringList selectionnes;
    const QStringList entrees = Entrees();
    const QList<bool> selection = Selection();
    for (int i = 0; i < entrees.size(); ++i)
        if (selection[i])
            selectionnes.append(entrees[i]);

    const BilanRenommage bilan =
        PasseAvecRapport(plan, selectionnes, etat, p, m_f.LstFF, Rapport());
    if (!bilan.complet) {
        Conflit(bilan);
        return false;
    }
    Rapport().EtatFinal();
    return true;
}

void Incrementation::Conflit(const BilanRenommage& bilan) {
    // The report stays open with the rows done.
    SignalerConflit(m_f.plateforme().dialogues, m_rapport, m_f.plateforme(), bilan);
    BoutonsNormaux();
    m_f.etat().ListeOccupee = false;
    m_f.etat().IgnorerClicVide = false;
    Rafraichir();
}

void Incrementation::Numeroter(int nombreSelectionnes) {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    const PlanIncrementation::Numerotation numerotation =
        PlanIncrementation::PlanNumerotation(Entrees(), Selection(), m_p);
    if (!Passe(numerotation.plan))
        return;
    Rapport().AttendreFin(p.horloge);
    etat.FinRapport = false;
    etat.ListeOccupee = false;
    etat.IgnorerClicVide = false;
    p.horloge.TraiterEvenements();

    if (numerotation.dejaIncrementee &&
        p.dialogues.Message(QStringLiteral("Cette liste a peut être déjà été incrémentée.\n"
                                           "Voulez-vous supprimer le numéro de la première "
                                           "incrémentation ?"),
                            Dialogues::Icone::Question,
                            Dialogues::Boutons::OuiNon) == Dialogues::Reponse::Oui) {
        const PlanRenommage suppression =
            PlanIncrementation::PlanSuppressionNumero(Entrees(), Selection(), m_p.ChaineLiaison);
        if (!Passe(suppression))
            return;
        Rapport().AttendreFin(p.horloge);
        Rafraichir();
        etat.FinRapport = false;
        etat.ListeOccupee = false;
        etat.IgnorerClicVide = false;
    }

    p.horloge.TraiterEvenements();
    p.dialogues.Message(QStringLiteral("Les %1 fichier(s) sélectionné(s) de la liste ont été "
                                       "incrémentés et/ou renommés !")
                            .arg(nombreSelectionnes),
                        Dialogues::Icone::Information);
    BoutonsNormaux();
    Rafraichir();
}

void Incrementation::RenommerListeIncrementee() {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    if (PlanIncrementation::PremiereNonIncrementee(Entrees(), Selection(), m_p.ChaineLiaison) >= 0)
        p.dialogues.Message(
            QStringLiteral("\nCette liste n'est, à priori, pas entièrement incrémentée !"),
            Dialogues::Icone::Exclamation);
    if (p.dialogues.Message(
            QStringLiteral("TRES IMPORTANT : si cette liste n'est pas déjà entièrement "
                           "incrémentée \nveuillez annuler l'opération, sous peine de résultats "
                           "fantaisistes.\n\nLa liste est-elle déjà complètement incrémentée :"),
            Dialogues::Icone::Aucune, Dialogues::Boutons::OuiNon) != Dialogues::Reponse::Oui) {
        QuitterMode();
        return;
    }
    const PlanRenommage plan = PlanIncrementation::PlanRenommageListe(
        Entrees(), Selection(), m_p.ChaineLiaison, m_p.TitreListe);
    if (!Passe(plan))
        return;
    BoutonsNormaux();
    p.horloge.TraiterEvenements();
    Rapport().AttendreFin(p.horloge);
    Rafraichir();
    etat.FinRapport = false;
    etat.ListeOccupee = false;
    etat.IgnorerClicVide = false;
}
