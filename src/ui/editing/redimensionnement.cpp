#include "redimensionnement.h"

#include "apercuphoto.h"
#include "editeurimages.h"
#include "etatprogramme.h"
#include "frmchoixtaille.h"
#include "frmphoto.h"
#include "frmredim.h"
#include "lotredim.h"
#include "nomillisible.h"
#include "nomsfichiers.h"
#include "plateforme.h"
#include "resultatsretouche.h"
#include "selectionliste.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

namespace {

// The hourglass and the busy label while a command works.
class Occupe {
public:
    explicit Occupe(FrmRedim& f) : m_f(f) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_f.LblMess->show();
    }
    ~Occupe() {
        m_f.LblMess->hide();
        QApplication::restoreOverrideCursor();
    }

private:
    FrmRedim& m_f;
};

const QString MessageTropGrand =
    QStringLiteral("Les nouvelles dimensions sont trop grandes : %1 pixels au plus de chaque côté, "
                   "et %2 millions de pixels en tout.")
        .arg(CoteMaximum)
        .arg(PixelsMaximum / 1000000);

} // namespace

Redimensionnement::Redimensionnement(FrmPhoto& fenetre) : m_f(fenetre) {
    QObject::connect(m_f.axBRedimensionner, &QToolButton::clicked, m_f.axBRedimensionner,
                     [this] { axBRedimensionner_Click(); });
    m_f.RendreDisponible(m_f.axBRedimensionner);
}

void Redimensionnement::axBRedimensionner_Click() {
    EtatProgramme& etat = m_f.etat();
    Dialogues& d = m_f.plateforme().dialogues;
    QListWidget* liste = m_f.LstFF;
    const QList<int> rangs = RangsSelectionnes(liste);
    if (rangs.isEmpty() || !liste->currentItem()) {
        d.Message(QStringLiteral("Aucun fichier n'est sélectionné !"),
                  Dialogues::Icone::Information);
        return;
    }
    for (const int rang : rangs)
        if (NomsFichiers::EstIllisible(liste->item(rang)->text())) {
            SignalerNomIllisible(d, liste->item(rang)->text());
            return;
        }
    const bool plusieurs = rangs.size() > 1;
    FrmRedim fenetre(plusieurs, &m_f);
    if (plusieurs)
        fenetre.MontrerPlusieurs();
    else
        fenetre.MontrerPhoto(m_f.Img0->pixmap(), etat.LargeurPhoto, etat.HauteurPhoto,
                             etat.RapportPhoto);
    m_resultatEcrit = false;
    m_dossierRedim.clear();
    QObject::connect(fenetre.CmdAction, &QPushButton::clicked, &fenetre,
                     [&] { CmdAction_Click(fenetre); });
    QObject::connect(fenetre.CmdPlusieurs, &QPushButton::clicked, &fenetre,
                     [&] { CmdPlusieurs_Click(fenetre); });
    QObject::connect(fenetre.CmdAnn, &QPushButton::clicked, &fenetre, [&] {
        m_resultatEcrit = false;
        fenetre.reject();
    });
    d.Executer(fenetre);

    etat.ListeOccupee = false;
    if (plusieurs && !m_dossierRedim.isEmpty() &&
        m_f.plateforme().fichiers.EstDossier(m_dossierRedim))
        m_f.DefinirCheminDossier(m_dossierRedim);
    // The list already holds the result after its photo and has lost a photo saved away: it
    // is not refilled, so that an order chosen in it and not yet numbered stays. The new
    // picture is the one shown.
    if (m_resultatEcrit) {
        m_resultatEcrit = false;
        if (const auto trouves = liste->findItems(m_resultat, Qt::MatchExactly); !trouves.isEmpty())
            m_f.SelectionnerEntree(liste->row(trouves.first()));
    }
    // The buttons stay while a picture is shown.
    m_f.axBPivoter->setVisible(!etat.PasDePhoto && m_f.Disponible(m_f.axBPivoter));
    m_f.axBRedimensionner->setVisible(!etat.PasDePhoto);
}

void Redimensionnement::Echec(FrmRedim& fenetre) {
    m_f.plateforme().dialogues.Message(
        QStringLiteral("Le fichier à redimensionner est probablement situé sur un support "
                       "\"disque.\"\n\nRecopiez ce fichier dans un dossier de votre disque dur "
                       "pour avoir accès à ce redimensionnement."),
        Dialogues::Icone::Information);
    fenetre.reject();
}

void Redimensionnement::CmdAction_Click(FrmRedim& fenetre) {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    // The picture shown is the one resized.
    const QPersistentModelIndex entree = m_f.apercu().EntreeAffichee;
    if (!entree.isValid() || entree.data().toString() != m_f.apercu().NomInitial)
        return;
    const QString nom = entree.data().toString();
    auto intacte = [&] { return entree.isValid() && entree.data().toString() == nom; };
    const QSize taille =
        TailleChoisie(fenetre.NouvelleLargeur, fenetre.NouvelleHauteur, etat.RapportPhoto);
    if (taille.isEmpty()) {
        d.Message(QStringLiteral(" Les nouvelles dimensions ne sont pas définies !"),
                  Dialogues::Icone::Critique);
        fenetre.TxtL->setFocus();
        return;
    }
    if (!TailleAcceptable(taille)) {
        d.Message(MessageTropGrand, Dialogues::Icone::Exclamation);
        fenetre.TxtL->setFocus();
        return;
    }
    Occupe occupe(fenetre);
    p.horloge.TraiterAffichage();

    const QString resultat = NomResultat(QStringLiteral("(R)"), nom);
    const QString chemin = etat.RepertoireOuvert + resultat;
    const bool remplacer = p.fichiers.Existe(chemin);
    if (remplacer) {
        const auto r = d.Message(QStringLiteral("Le nom du fichier redimensionné (R) %1 existe "
                                                "déjà.\nVoulez-vous le remplacer ?")
                                     .arg(BaseNom(nom) + QStringLiteral(".jpg")),
                                 Dialogues::Icone::Question, Dialogues::Boutons::OuiNon, 1);
        if (r != Dialogues::Reponse::Oui)
            return;
        if (!intacte()) {
            fenetre.reject();
            return;
        }
    }
    const auto source = EditeurImages::Ouvrir(etat.RepertoireOuvert + nom);
    const auto jpeg =
        source ? RedimensionnerPhoto(*source, taille, etat.RotationEnCours ? etat.QuartsAGauche : 0)
               : std::nullopt;
    if (!jpeg) {
        d.Message(QStringLiteral("Cette image n'a pas pu être lue :\n%1\n\nElle n'a pas été "
                                 "redimensionnée.")
                      .arg(nom),
                  Dialogues::Icone::Exclamation);
        fenetre.reject();
        return;
    }
    switch (ResultatsRetouche::PublierResultat(m_f, *jpeg, resultat, remplacer, entree.row())) {
    case ResultatsRetouche::Publication::Refusee:
        return;
    case ResultatsRetouche::Publication::Echouee:
        Echec(fenetre);
        return;
    case ResultatsRetouche::Publication::Faite:
        break;
    }
    m_resultat = resultat;
    if (!fenetre.ChkCons->isChecked()) {
        const auto sauvegarde = ResultatsRetouche::Sauvegarder(m_f, nom);
        if (sauvegarde == ResultatsRetouche::Sauvegarde::Echouee) {
            Echec(fenetre);
            return;
        }
        if (sauvegarde == ResultatsRetouche::Sauvegarde::Faite)
            ResultatsRetouche::RetirerEntree(m_f, nom);
    }
    m_resultatEcrit = true;
    fenetre.accept();
}

void Redimensionnement::CmdPlusieurs_Click(FrmRedim& fenetre) {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    if (etat.modeAffichage != ModeAffichage::Liste) {
        d.Message(QStringLiteral("L'affichage des photos doit être en mode 'Liste'."),
                  Dialogues::Icone::Information);
        fenetre.reject();
        return;
    }
    const QList<int> rangs = RangsSelectionnes(m_f.LstFF);
    if (rangs.size() < 2) {
        d.Message(QStringLiteral("Sélectionnez tous les fichiers à redimensionner."),
                  Dialogues::Icone::Information);
        fenetre.reject();
        return;
    }
    QStringList noms;
    for (const int rang : rangs)
        noms.append(m_f.LstFF->item(rang)->text());
    FrmChoixTaille choix(p, etat.RepertoireOuvert, &fenetre);
    if (d.Executer(choix) != QDialog::Accepted || choix.ChoixTaille == RegleTaille::Aucune) {
        fenetre.reject();
        return;
    }
    m_dossierRedim = choix.DossierRedim;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fenetre.LblTitre->show();
    fenetre.PrgR->setMaximum(int(noms.size()));
    fenetre.PrgR->setValue(0);
    fenetre.PrgR->show();
    const QStringList nonEcrites = RedimensionnerLot(
        p.fichiers, etat.RepertoireOuvert, noms, m_dossierRedim, choix.ChoixTaille, choix.Valeur,
        [&] { p.horloge.TraiterAffichage(); },
        [&](int i) {
            fenetre.PrgR->setValue(i + 1);
            p.horloge.TraiterAffichage();
        });
    p.horloge.Pause(500);
    QApplication::restoreOverrideCursor();
    d.Message(MessageFinRedim(int(noms.size() - nonEcrites.size()), m_dossierRedim, nonEcrites),
              Dialogues::Icone::Information);
    fenetre.accept();
}
