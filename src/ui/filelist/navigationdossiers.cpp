#include "navigationdossiers.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "menusphoto.h"
#include "nomsfichiers.h"
#include "panneauson.h"
#include "plateforme.h"
#include "typesfichiers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QToolButton>

#include <algorithm>

NavigationDossiers::NavigationDossiers(FrmPhoto& fenetre) : m_f(fenetre) {}

QString NavigationDossiers::LecteurDe(const QString& chemin) {
    const QString racine = QStorageInfo(chemin).rootPath();
    return racine.isEmpty() ? QStringLiteral("/") : racine;
}

void NavigationDossiers::RemplirLecteurs() {
    QStringList lecteurs{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Real volumes only: pseudo file systems have no device under /dev, and loop
        // devices are packaged programs, not places to keep photos.
        const QByteArray peripherique = volume.device();
        if (!volume.isValid() || !volume.isReady() || !peripherique.startsWith("/dev/") ||
            peripherique.startsWith("/dev/loop"))
            continue;
        if (!lecteurs.contains(volume.rootPath()))
            lecteurs.append(volume.rootPath());
    }
    const QSignalBlocker bloque(m_f.DrvDrive);
    m_f.DrvDrive->clear();
    m_f.DrvDrive->addItems(lecteurs);
}

void NavigationDossiers::AfficherLecteur(const QString& chemin) {
    const QString lecteur = LecteurDe(chemin);
    const QSignalBlocker bloque(m_f.DrvDrive);
    if (m_f.DrvDrive->findText(lecteur) < 0)
        m_f.DrvDrive->addItem(lecteur);
    m_f.DrvDrive->setCurrentText(lecteur);
}

void NavigationDossiers::ActualiserBoutonsHistorique() {
    const HistoriqueDossiers& h = m_f.etat().historique;
    m_f.axBRetour->setEnabled(h.PeutReculer());
    m_f.axBSuivant->setEnabled(h.PeutAvancer());
}

void NavigationDossiers::DirDirectory_Change() {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    p.horloge.TraiterEvenements();
    etat.ArretChargement = false;
    // Each folder opened under the rule for incremented lists has its names checked again.
    if (m_f.menus().mnuSecOpt->isChecked())
        etat.VerifierLiaison = true;

    m_f.listeFichiers().EffacerApercu();
    m_f.Img0->setCursor(Qt::ArrowCursor);
    m_f.LblNonImage->hide();
    m_f.son().AucunSon();
    etat.PasDePhoto = true;
    etat.AfficherApercu = true;
    m_f.CmdA->hide();
    m_f.CmdD->hide();
    m_f.CmdInc->show();

    const QString chemin = m_f.CheminDossier();
    if (!m_f.ChKDos->isChecked() && etat.EnregistrerDossier)
        etat.historique.Enregistrer(chemin);
    ActualiserBoutonsHistorique();
    if (etat.EnregistrerDossier)
        etat.DossiersOuverts.append(chemin);
    AfficherLecteur(chemin);

    m_f.listeFichiers().CheminFichier();
    if (m_f.CboFileType->currentIndex() == TypesFichiers::ParChaine)
        m_f.CboFileType->setCurrentIndex(TypesFichiers::TousImages);
    else
        m_f.listeFichiers().Liste_Fichiers(etat.RepertoireOuvert);

    if (m_f.LstFF->count() == 0)
        etat.PasDePhoto = true;
    if (etat.modeAffichage == ModeAffichage::Liste) {
        const int index = m_f.CboFileType->currentIndex();
        if (TypesFichiers::EstImage(index) || index == TypesFichiers::TousFichiers)
            m_f.apercu().Charge_images();
        p.horloge.TraiterEvenements();
        if (m_f.LstFF->count() > 0)
            m_f.SelectionnerEntree(0);
    }
    if (etat.photo.OuvrirDernier == 1) {
        etat.photo.RepertoireDemarrage = chemin;
        m_f.parametres().EcrirePhotoIni();
    }
    m_f.axBSel1->hide();
    m_f.axBSel0->show();
}

void NavigationDossiers::DrvDrive_Change() {
    EtatProgramme& etat = m_f.etat();
    if (!etat.EnregistrerDossier)
        return;
    m_f.plateforme().horloge.TraiterEvenements();
    etat.ArretChargement = true;
    const QString cible =
        m_f.FenetreActivee() ? m_f.DrvDrive->currentText() : etat.photo.RepertoireDemarrage;
    if (!m_f.DefinirCheminDossier(cible)) {
        m_f.plateforme().dialogues.Message(QStringLiteral(" Lecteur non prêt !"),
                                           Dialogues::Icone::Exclamation, Dialogues::Boutons::Ok, 0,
                                           QStringLiteral("Erreur"));
        AfficherLecteur(m_f.CheminDossier());
    }
}

void NavigationDossiers::AllerDansHistorique(const QString& chemin) {
    EtatProgramme& etat = m_f.etat();
    etat.EnregistrerDossier = false;
    m_f.plateforme().horloge.TraiterEvenements();
    AfficherLecteur(chemin);
    if (!m_f.DefinirCheminDossier(chemin))
        m_f.plateforme().dialogues.Message(QStringLiteral("Ce dossier n'existe plus :\n") + chemin,
                                           Dialogues::Icone::Exclamation);
    m_f.plateforme().horloge.TraiterEvenements();
    etat.EnregistrerDossier = true;
}

void NavigationDossiers::axBRetour_Click() {
    HistoriqueDossiers& h = m_f.etat().historique;
    if (!h.PeutReculer())
        return;
    const QString chemin = h.Reculer();
    ActualiserBoutonsHistorique();
    m_f.TxtFileName->setFocus();
    AllerDansHistorique(chemin);
}

void NavigationDossiers::axBSuivant_Click() {
    HistoriqueDossiers& h = m_f.etat().historique;
    if (!h.PeutAvancer())
        return;
    const QString chemin = h.Avancer();
    ActualiserBoutonsHistorique();
    m_f.TxtFileName->setFocus();
    AllerDansHistorique(chemin);
}

void NavigationDossiers::axBEnrDos_Click() {
    EtatProgramme& etat = m_f.etat();
    if (etat.EnregistrerDossier && m_f.ChKDos->isChecked())
        etat.historique.Enregistrer(m_f.CheminDossier());
    ActualiserBoutonsHistorique();
    m_f.TxtFileName->setFocus();
}

void NavigationDossiers::axBIni_Click() {
    EtatProgramme& etat = m_f.etat();
    etat.historique.Reinitialiser(m_f.CheminDossier());
    etat.EnregistrerDossier = true;
    m_f.axBRetour->setEnabled(false);
    m_f.axBSuivant->setEnabled(false);
    m_f.plateforme().dialogues.Message(QStringLiteral("Liste des dossiers consultés effacée !"),
                                       Dialogues::Icone::Exclamation);
    m_f.TxtFileName->setFocus();
}

void NavigationDossiers::ChKDos_Click() {
    if (m_f.ChKDos->isChecked()) {
        axBIni_Click();
        m_f.axBEnrDos->show();
    } else {
        m_f.axBEnrDos->hide();
    }
    m_f.TxtFileName->setFocus();
}

void NavigationDossiers::SupprimerDossierOuvert() {
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    const QString dossier = m_f.CheminDossier();
    if (dossier.isEmpty())
        return;
    const QString lecteur = LecteurDe(dossier);
    if (d.Message(QStringLiteral("Supprimer ") + dossier, Dialogues::Icone::Question,
                  Dialogues::Boutons::OuiNon, 1) != Dialogues::Reponse::Oui)
        return;
    d.Message(QStringLiteral("Cette action va réinitialiser la liste des dossiers ouverts et lus."),
              Dialogues::Icone::Information);
    if (d.Message(QStringLiteral("Vraiment sûr ?"), Dialogues::Icone::Question,
                  Dialogues::Boutons::OuiNon, 1) != Dialogues::Reponse::Oui)
        return;

    // A folder that also holds sub-folders or hidden files cannot be removed: nothing of it
    // goes to the trash then, rather than its photos alone. Nor can a file whose name cannot
    // be read: the check is made whole before the first file goes.
    const QStringList fichiers = p.fichiers.Lister(dossier);
    if (std::any_of(fichiers.cbegin(), fichiers.cend(), NomsFichiers::EstIllisible)) {
        d.Message(QStringLiteral("Ce répertoire contient des fichiers dont le nom n'est pas "
                                 "lisible (il n'est pas écrit en UTF-8).\nSuppression "
                                 "impossible !"),
                  Dialogues::Icone::Information);
        return;
    }
    if (p.fichiers.NombreEntrees(dossier) != fichiers.size()) {
        d.Message(QStringLiteral("Ce répertoire contient des sous-répertoire (qu'il faut effacer "
                                 "auparavant), ou des fichiers cachés.\nSuppression impossible !"),
                  Dialogues::Icone::Information);
        return;
    }
    // The files go to the trash, never away for good; one that cannot stops everything.
    for (const QString& nom : fichiers) {
        const QString chemin = dossier + QLatin1Char('/') + nom;
        if (const Resultat r = p.fichiers.MettreCorbeille(chemin); !r) {
            d.Message(QStringLiteral("Ce fichier n'a pas pu être mis à la corbeille :\n%1\n%2\n"
                                     "Suppression impossible !")
                          .arg(chemin, r.message),
                      Dialogues::Icone::Information);
            m_f.listeFichiers().CmdRefresh_Click();
            return;
        }
    }
    if (!p.fichiers.SupprimerDossierVide(dossier)) {
        d.Message(QStringLiteral("Ce répertoire contient des sous-répertoire (qu'il faut effacer "
                                 "auparavant), ou des fichiers cachés.\nSuppression impossible !"),
                  Dialogues::Icone::Information);
        m_f.listeFichiers().CmdRefresh_Click();
        return;
    }
    m_f.DefinirCheminDossier(lecteur);
    axBIni_Click();
}
