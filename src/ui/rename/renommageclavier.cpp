#include "renommageclavier.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "lotjournal.h"
#include "menusphoto.h"
#include "nomillisible.h"
#include "nomsfichiers.h"
#include "plateforme.h"
#include "renommage.h"
#include "selectionliste.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

namespace {

const QString MessageEchec = QStringLiteral(
    "Le fichier est impossible à renommer, car probablement situé sur un support \"disque.\"\n\n"
    "Recopiez ce fichier dans un dossier de votre disque dur pour avoir accès à cette fonction.");

} // namespace

RenommageClavier::RenommageClavier(FrmPhoto& fenetre) : m_f(fenetre) {
    MenusPhoto& menus = m_f.menus();
    menus.Brancher(QStringLiteral("mnuOptimal"), [this] { mnuOptimal_Click(); });
    menus.Brancher(QStringLiteral("mnuSecOpt"), [this] { mnuSecOpt_Click(); });
    menus.Brancher(QStringLiteral("mnuChoix"), [this] { mnuChoix_Click(); });
    // The fourth rule has no action and is not offered.
    menus.article(QStringLiteral("mnuRT"))->setVisible(false);
    Choisir(RegleSelection::Optimale);
    m_f.AjouterGestionnaireTouches([this](QKeyEvent* e) { return Touche(e); });
    QObject::connect(m_f.axBPP1, &QToolButton::clicked, m_f.axBPP1, [this] { axBPP1_Click(); });
    QObject::connect(m_f.axBPP2, &QPushButton::clicked, m_f.axBPP2, [this] { axBPP2_Click(); });
    m_f.axBPP1->setEnabled(true);
    m_f.axBPP2->setEnabled(true);
}

void RenommageClavier::Choisir(RegleSelection regle) {
    m_regle = regle;
    MenusPhoto& menus = m_f.menus();
    menus.article(QStringLiteral("mnuOptimal"))->setChecked(regle == RegleSelection::Optimale);
    menus.mnuSecOpt->setChecked(regle == RegleSelection::ListeIncrementee);
    menus.article(QStringLiteral("mnuChoix"))->setChecked(regle == RegleSelection::Personnalisee);
}

QString RenommageClavier::NomAffiche() const {
    const QPersistentModelIndex& entree = m_f.apercu().EntreeAffichee;
    return entree.isValid() ? entree.data().toString() : m_f.TxtFileName->text();
}

void RenommageClavier::Preselectionner() {
    QLineEdit* boite = m_f.TxtFileName;
    const QString nom = NomAffiche();
    const EtatProgramme& etat = m_f.etat();
    if (m_regle == RegleSelection::ListeIncrementee) {
        const Selection s = Preselection(nom, m_regle, etat.options.ChaineLiaison, {}, {});
        DebutSelection = QString::number(s.debut);
        FinSelection = QStringLiteral("4");
    }
    const Selection s =
        Preselection(boite->text(),
                     m_regle == RegleSelection::Optimale ? RegleSelection::Optimale
                                                         : RegleSelection::Personnalisee,
                     etat.options.ChaineLiaison, DebutSelection, FinSelection);
    const int longueur = int(boite->text().size());
    // A start or a length outside the text is ignored, as the box would refuse it.
    if (s.debut >= 0 && s.debut <= longueur) {
        boite->setCursorPosition(s.debut);
        if (s.longueur >= 0 && s.longueur <= longueur - s.debut)
            boite->setSelection(s.debut, s.longueur);
    }
    VerifierChaineLiaison();
}

void RenommageClavier::VerifierChaineLiaison() {
    EtatProgramme& etat = m_f.etat();
    const QString liaison = etat.options.ChaineLiaison;
    if (m_regle != RegleSelection::ListeIncrementee || !etat.VerifierLiaison ||
        etat.RemplacementLiaison || RemplacementEnCours || m_f.LstFF->count() == 0 ||
        !m_f.apercu().EntreeAffichee.isValid() || NomAffiche().contains(liaison))
        return;
    Dialogues& d = m_f.plateforme().dialogues;
    etat.VerifierLiaison = false;
    d.Message(QStringLiteral("Le résultat obtenu est incorrect, car votre liste n'est pas "
                             "incrémentée,\nou la chaine de liaison de la liste incrémentée "
                             "diffère de celle actuellement en vigueur :\n\n\"%1\"          "
                             "(\"%2\").\n\nDeux solutions simples s'offrent à vous :\n\n1- choisir "
                             "la sélection personnalisée,\n\n2- ou bien changer, dans le nom des "
                             "fichiers, la chaine de liaison par celle en vigueur.")
                  .arg(liaison, DecrireLiaison(liaison)),
              Dialogues::Icone::Exclamation);
    const auto r = d.Message(
        QStringLiteral("Choix numéro 1 (sélection personnalisée) : tapez \"OUI\"\n\nChoix numéro "
                       "2 (changer la chaine de liaison) : tapez \"NON\"\n\nOu bien \"ANNULEZ\""),
        Dialogues::Icone::Question, Dialogues::Boutons::OuiNonAnnuler, 1);
    if (r == Dialogues::Reponse::Oui) {
        mnuChoix_Click();
    } else if (r == Dialogues::Reponse::Non) {
        etat.RemplacementLiaison = true;
        if (QAction* remplace = m_f.menus().article(QStringLiteral("mnuremplace"));
            remplace && remplace->isEnabled())
            remplace->trigger();
    }
}

void RenommageClavier::mnuOptimal_Click() {
    Choisir(RegleSelection::Optimale);
    m_f.TxtFileName->setFocus();
    Preselectionner();
}

void RenommageClavier::mnuSecOpt_Click() {
    Choisir(RegleSelection::ListeIncrementee);
    m_f.etat().VerifierLiaison = true;
    m_f.TxtFileName->setFocus();
    Preselectionner();
}

void RenommageClavier::mnuChoix_Click() {
    Choisir(RegleSelection::Personnalisee);
    Dialogues& d = m_f.plateforme().dialogues;
    auto demander = [&](const QString& titre, const QString& invite, QString& valeur) {
        const QString reponse = d.Saisie(invite, titre, QStringLiteral("0"));
        if (reponse.isEmpty()) {
            DebutSelection = QStringLiteral("0");
            FinSelection = QStringLiteral("0");
            mnuOptimal_Click();
            return false;
        }
        if (!EstNombre(reponse)) {
            d.Message(QStringLiteral("Valeur inscrite non numérique !"),
                      Dialogues::Icone::Critique);
            Choisir(RegleSelection::Optimale);
            return false;
        }
        valeur = reponse.trimmed();
        return true;
    };
    if (!demander(QStringLiteral("Début de séléction du texte"),
                  QStringLiteral("Inscrivez un nombre positif ou nul, correspondant au nombre de "
                                 "caractères NON sélectionnés,\n\nAVANT le début de la sélection."
                                 "\n\nUn nombre négatif correspond au début de la sélection, "
                                 "comptabilisé à partir de la fin du fichier."),
                  DebutSelection))
        return;
    if (!demander(QStringLiteral("Fin de séléction du texte"),
                  QStringLiteral(
                      "Inscrivez un nombre positif ou nul, correspondant au nombre de caractères "
                      "NON sélectionnés,\n\nAPRES la fin de la sélection.\n\nInscrire un nombre "
                      "négatif renseigne le nombre total de caractères sélectionnés après le début "
                      "de la sélection, précédemment fixé.\n\nInscrire \"00\" ne sélectionne "
                      "aucun texte, et le curseur reste à la position précédemment définie."),
                  FinSelection))
        return;
    m_f.CmdRefresh->setFocus();
    m_f.TxtFileName->setFocus();
    Preselectionner();
}

bool RenommageClavier::Touche(QKeyEvent* event) {
    QWidget* cible = QApplication::focusWidget();
    // The folder tree and the two drop-down lists keep their own arrows.
    if (cible && (cible == m_f.DirDirectory || m_f.DirDirectory->isAncestorOf(cible) ||
                  cible == m_f.DrvDrive || cible == m_f.CboFileType))
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
    case Qt::Key_Up: {
        // Several files selected: the name box is empty and there is nothing to commit; the
        // list moves as a list.
        if (NombreSelectionnes(m_f.LstFF) > 1)
            return false;
        // Keys typed ahead while a commit shows the next picture wait for it to end: they
        // belong to the next name, not to this one.
        if (m_enCours || m_f.LstFF->count() == 0 || !m_f.LstFF->currentItem())
            return true;
        m_enCours = true;
        m_f.plateforme().horloge.TraiterEvenements();
        if (event->key() == Qt::Key_Up)
            RefreschFilFilesMoins();
        else
            RefreschFilFilesPlus();
        m_enCours = false;
        return true;
    }
    case Qt::Key_F12:
        if (QAction* a = m_f.menus().article(QStringLiteral("mnuremplace")); a && a->isEnabled())
            a->trigger();
        return true;
    case Qt::Key_F3:
        m_f.menus().article(QStringLiteral("mnuRens"))->trigger();
        return true;
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void RenommageClavier::EchecRenommage() {
    m_f.plateforme().dialogues.Message(MessageEchec, Dialogues::Icone::Information);
    m_f.TxtFileName->setText(NomAffiche());
    m_f.TxtFileName->setFocus();
}

bool RenommageClavier::Valider(int& rang) {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    ApercuPhoto& apercu = m_f.apercu();
    // The commit renames the entry whose name the box was given and whose picture is shown.
    // Gone from the list, or renamed behind the box's back: the box is given the selected
    // entry again instead.
    const QPersistentModelIndex entree = apercu.EntreeAffichee;
    auto intacte = [&] {
        return entree.isValid() && entree.data().toString() == apercu.NomInitial;
    };
    if (!intacte()) {
        m_f.LstFF_Click();
        return false;
    }
    rang = entree.row();
    const QString sauvegardes =
        p.environnement.dossierProgramme + QStringLiteral("/Photos sauvegardées/");
    if (etat.RepertoireOuvert == sauvegardes)
        return true;
    m_f.Stop_son();
    if (!Renommer(entree, rang))
        return false;
    if (!EtapesRetouche)
        return true;
    switch (EtapesRetouche(rang)) {
    case Etape::Continuer:
        return true;
    case Etape::Arreter:
        return false;
    case Etape::Echouer:
        EchecRenommage();
        return false;
    }
    return false;
}

bool RenommageClavier::Renommer(const QPersistentModelIndex& entree, int& rang) {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    ApercuPhoto& apercu = m_f.apercu();
    const QString ancien = apercu.NomInitial;
    // Against the name read here: a click run meanwhile moves NomInitial along with the entry.
    auto intacte = [&] { return entree.isValid() && entree.data().toString() == ancien; };
    const QString nouveau = m_f.TxtFileName->text();
    if (nouveau == ancien)
        return true;
    auto refuser = [&] {
        m_f.TxtFileName->setText(apercu.NomInitial);
        Preselectionner();
        m_f.LstFF_Click();
        return false;
    };
    if (NomsFichiers::EstIllisible(ancien)) {
        SignalerNomIllisible(d, ancien);
        return refuser();
    }
    const QString de = etat.RepertoireOuvert + ancien;
    const QString vers = etat.RepertoireOuvert + nouveau;

    // A change of case alone needs no question, unless the new name is another file here.
    const bool casseSeule = nouveau.compare(ancien, Qt::CaseInsensitive) == 0;
    const bool autreFichier = p.fichiers.Existe(vers) && !p.fichiers.MemeEntree(de, vers);
    if (!(casseSeule && !autreFichier)) {
        if (nouveau.isEmpty() || NomsFichiers::ContientCaractereInterdit(nouveau)) {
            d.Message(QStringLiteral("Le titre comporte un caractère interdit !"),
                      Dialogues::Icone::Critique);
            return refuser();
        }
        // A name that would hide the file (a leading dot) is given back silently.
        if (NomRefuse(nouveau))
            return refuser();
        if (autreFichier && p.fichiers.EstDossier(vers)) {
            // A folder of that name is never given up for a file.
            EchecRenommage();
            return false;
        }
        if (autreFichier) {
            const auto reponse =
                d.Message(QStringLiteral("Ce fichier existe déjà !\n\nVoulez-vous le remplacer ?"),
                          Dialogues::Icone::Information, Dialogues::Boutons::OuiNon, 1);
            // The question let events through: the list may have changed meanwhile.
            if (reponse != Dialogues::Reponse::Oui || !intacte() || !p.fichiers.Existe(de)) {
                m_f.LstFF_Click();
                return false;
            }
        }
    }
    // Journaled before anything moves, the file given up included.
    LotJournal lot(p, {{de, vers}});
    if (!lot.ouvert()) {
        SignalerJournalImpossible(d, p);
        return refuser();
    }
    // The file given up goes to the trash, never away for good.
    if (autreFichier) {
        if (const Resultat r = p.fichiers.MettreCorbeille(vers); !r) {
            d.Message(QStringLiteral("Ce fichier n'a pas pu être mis à la corbeille :\n%1\n%2"
                                     "\n\nIl n'a pas été remplacé.")
                          .arg(vers, r.message),
                      Dialogues::Icone::Exclamation);
            m_f.TxtFileName->setText(apercu.NomInitial);
            m_f.TxtFileName->setFocus();
            return false;
        }
        // Its entry goes with it, so that list and folder agree whatever follows.
        const bool occupee = etat.ListeOccupee;
        etat.ListeOccupee = true;
        for (QListWidgetItem* autre : m_f.LstFF->findItems(nouveau, Qt::MatchExactly))
            if (m_f.LstFF->row(autre) != entree.row())
                delete autre;
        etat.ListeOccupee = occupee;
    }
    if (!p.fichiers.Renommer(de, vers)) {
        EchecRenommage();
        return false;
    }
    lot.fait(0);
    m_f.LstFF->item(entree.row())->setText(nouveau);
    apercu.NomInitial = nouveau;
    rang = entree.row();
    return true;
}

void RenommageClavier::Deplacer(int rang, int pas) {
    QListWidget* liste = m_f.LstFF;
    const int suivant = rang + pas;
    if (suivant < 0 || suivant >= liste->count())
        m_f.Stop_son();
    else
        m_f.SelectionnerEntree(suivant);
    m_f.TxtFileName->setFocus();
    Preselectionner();
}

void RenommageClavier::RefreschFilFilesPlus() {
    int rang = -1;
    if (Valider(rang))
        Deplacer(rang, 1);
}

void RenommageClavier::RefreschFilFilesMoins() {
    int rang = -1;
    if (Valider(rang))
        Deplacer(rang, -1);
}

void RenommageClavier::axBPP1_Click() {
    QClipboard* pressePapiers = QApplication::clipboard();
    pressePapiers->clear();
    ChaineACopier = m_f.plateforme().dialogues.Saisie(
        QStringLiteral("Inscrivez la chaîne de caractères qui sera copiée dans le "
                       "presse-papiers,\net qui pourra être collée dans la zone sélectionnée du "
                       "nom de fichier... ou ailleurs."),
        QStringLiteral("Chaîne à coller"), ChaineACopier);
    if (!ChaineACopier.isEmpty())
        pressePapiers->setText(ChaineACopier);
    m_f.TxtFileName->setFocus();
    Preselectionner();
}

void RenommageClavier::axBPP2_Click() {
    const QString texte = QApplication::clipboard()->text();
    if (texte.isEmpty())
        m_f.plateforme().dialogues.Message(QStringLiteral("Aucun texte dans le presse-papiers."),
                                           Dialogues::Icone::Information);
    else
        m_f.TxtFileName->insert(texte);
    m_f.TxtFileName->setFocus();
}
