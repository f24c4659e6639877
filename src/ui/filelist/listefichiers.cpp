#include "listefichiers.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "miniatures.h"
#include "panneauson.h"
#include "plateforme.h"
#include "typesfichiers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

ListeFichiers::ListeFichiers(FrmPhoto& fenetre) : m_f(fenetre) {}

void ListeFichiers::CheminFichier() {
    const QString chemin = m_f.CheminDossier();
    m_f.etat().RepertoireOuvert =
        chemin.endsWith(QLatin1Char('/')) ? chemin : chemin + QLatin1Char('/');
}

void ListeFichiers::Liste_Fichiers(const QString& dossier) {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    const int index = m_f.CboFileType->currentIndex();

    // A new list: no sound prepared, and no file of the folder held open.
    m_f.son().AucunSon();
    m_f.LstFF->clear();
    m_f.LblRang->clear();
    // A list read again shows nothing yet that could be enlarged.
    etat.PasDePhoto = true;

    const QStringList noms = p.fichiers.Lister(dossier);
    TypesFichiers::Filtre filtre;
    if (index == TypesFichiers::ParChaine) {
        // Only the marked files go in until a string is given.
        m_f.LstFF->addItems(TypesFichiers::ComposerListe(noms, index));
        ChaineFiltre = p.dialogues.Saisie(
            QStringLiteral("Inscrivez la chaîne de caractères souhaitée pour n'afficher que les "
                           "fichiers qui la contiennent."),
            QStringLiteral("Sélection de fichiers"));
        if (ChaineFiltre.isEmpty())
            return;
        filtre.chaine = ChaineFiltre;
        filtre.respecterCasse =
            p.dialogues.Message(QStringLiteral("Respecter la casse ?"), Dialogues::Icone::Question,
                                Dialogues::Boutons::OuiNon) == Dialogues::Reponse::Oui;
        m_f.LabelTrie->setText(QStringLiteral("Chaine : ") +
                               (filtre.respecterCasse ? ChaineFiltre : ChaineFiltre.toUpper()));
        m_f.LstFF->clear();
    }
    m_f.LstFF->addItems(TypesFichiers::ComposerListe(noms, index, filtre));

    AfficherNombre();
    etat.PremiereMiniature = 0;
    etat.DerniereMiniature = m_f.LstFF->count() - 1;
    if (etat.modeAffichage == ModeAffichage::Miniatures)
        m_f.apercu().miniatures().Charge_Miniatures();
}

void ListeFichiers::AfficherNombre() {
    const EtatProgramme& etat = m_f.etat();
    const int index = m_f.CboFileType->currentIndex();
    const int nombre = m_f.LstFF->count();
    const bool liste = etat.modeAffichage == ModeAffichage::Liste;
    if (nombre == 0) {
        m_f.CmdInc->setEnabled(false);
        m_f.CmdRefresh->setEnabled(false);
        m_f.OptZ0->setEnabled(false);
        m_f.OptZ1->setEnabled(false);
        m_f.ChkIns->setChecked(false);
        m_f.ChkIns->setEnabled(false);
        m_f.Txt->setEnabled(false);
        m_f.ImgUp->hide();
        m_f.ImgDown->hide();
        m_f.axBPivoter->hide();
        m_f.axBRedimensionner->hide();
    } else {
        m_f.CmdInc->setEnabled(liste);
        m_f.CmdRefresh->setEnabled(true);
        m_f.OptZ0->setEnabled(true);
        m_f.OptZ1->setEnabled(true);
        if (!TypesFichiers::EstSon(index)) {
            if (liste)
                m_f.ChkIns->setEnabled(true);
            m_f.axBPivoter->hide();
            m_f.axBRedimensionner->hide();
        }
    }
    m_f.LblDirName->setText(QStringLiteral("Répertoire ouvert : %1 fichier(s)").arg(nombre));
}

void ListeFichiers::EffacerApercu() {
    m_f.apercu().ViderApercu();
    // No entry is shown any more: a commit has nothing to rename.
    m_f.apercu().EntreeAffichee = QPersistentModelIndex();
    m_f.TxtFileName->clear();
    m_f.LblTaille->clear();
}

void ListeFichiers::CboFileType_Click() {
    EtatProgramme& etat = m_f.etat();
    const int index = m_f.CboFileType->currentIndex();

    m_f.LblNonImage->hide();

    m_f.LabelTrie->setVisible(index == TypesFichiers::ParChaine);
    const bool images = TypesFichiers::EstImage(index) || index == TypesFichiers::TousFichiers;
    if (!images) {
        m_f.CmdMin->setText(QStringLiteral("Miniatures"));
        etat.modeAffichage = ModeAffichage::Liste;
        m_f.PctMere->hide();
    }
    m_f.CmdMin->setEnabled(images && m_f.Disponible(m_f.CmdMin));
    m_f.axBDiapo->setEnabled(images && m_f.Disponible(m_f.axBDiapo));

    EffacerApercu();
    m_f.plateforme().horloge.TraiterEvenements();
    Liste_Fichiers(etat.RepertoireOuvert);

    if (etat.modeAffichage == ModeAffichage::Liste) {
        if (TypesFichiers::EstImage(index))
            m_f.apercu().Charge_images();
        if (m_f.LstFF->count() > 0)
            m_f.SelectionnerEntree(0);
    }
}

void ListeFichiers::CmdRefresh_Click() {
    EtatProgramme& etat = m_f.etat();
    etat.ListeOccupee = false;
    m_f.LstFF->repaint();
    Liste_Fichiers(etat.RepertoireOuvert);
    // A new list has no selection: the pair offers to select the marked files again.
    m_f.axBSel1->hide();
    m_f.axBSel0->show();
    if (m_f.LstFF->count() > 0)
        m_f.SelectionnerEntree(0);
}
