#include "suppressionfichiers.h"

#include "apercuphoto.h"
#include "copiercoller.h"
#include "deplacementrapide.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "frmprogression.h"
#include "listefichiers.h"
#include "menusphoto.h"
#include "nomillisible.h"
#include "nomsfichiers.h"
#include "operationsfichiers.h"
#include "plateforme.h"
#include "selectionliste.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QToolButton>

namespace {

const QString Titre = QStringLiteral("  Suppression de fichiers");

} // namespace

SuppressionFichiers::SuppressionFichiers(FrmPhoto& fenetre, CopierColler& collage)
    : m_f(fenetre), m_collage(collage) {
    m_f.menus().Brancher(QStringLiteral("mnuDelete"), [this] { mnuDelete_Click(); });
    m_f.deplacementRapide().SupprimerFichiers = [this] { mnuDelete_Click(); };
}

void SuppressionFichiers::mnuDelete_Click() {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    QListWidget* liste = m_f.LstFF;
    const QList<int> rangs = RangsSelectionnes(liste);
    if (rangs.isEmpty()) {
        d.Message(QStringLiteral("Aucun fichier à supprimer n'est sélectionné !"),
                  Dialogues::Icone::Information, Dialogues::Boutons::Ok, 0, Titre);
        return;
    }
    QStringList noms;
    for (int rang : rangs)
        noms.append(liste->item(rang)->text());
    for (const QString& nom : std::as_const(noms))
        if (NomsFichiers::EstIllisible(nom)) {
            SignalerNomIllisible(d, nom);
            return;
        }
    if (d.Message(OperationsFichiers::QuestionSuppression(noms), Dialogues::Icone::Question,
                  Dialogues::Boutons::OuiNon, 1, Titre) != Dialogues::Reponse::Oui) {
        m_f.listeFichiers().CmdRefresh_Click();
        return;
    }

    m_f.Stop_son();
    // The folder is kept: nothing the trash takes is looked for elsewhere.
    const QString dossier = etat.RepertoireOuvert;
    QSet<int> jetes;
    QString echec;
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        FrmProgression progression(p.horloge, QStringLiteral("Mise à la corbeille"),
                                   int(noms.size()), 0, &m_f);
        for (qsizetype i = 0; i < noms.size() && !progression.Annulee(); ++i) {
            const QString chemin = dossier + noms[i];
            if (p.fichiers.Existe(chemin) && p.fichiers.LectureSeule(chemin)) {
                QGuiApplication::restoreOverrideCursor();
                const auto reponse =
                    d.Message(chemin + QStringLiteral(" est en lecture seule.\nVoulez-vous quand "
                                                      "même le supprimer ?"),
                              Dialogues::Icone::Question, Dialogues::Boutons::OuiNon, 1);
                QGuiApplication::setOverrideCursor(Qt::WaitCursor);
                if (reponse != Dialogues::Reponse::Oui)
                    continue;
            }
            // The file keeps its permissions in the trash, where it can be put back as it was.
            if (const Resultat r = p.fichiers.MettreCorbeille(chemin); !r) {
                echec = chemin + QLatin1Char('\n') + r.message;
                break;
            }
            jetes.insert(rangs[i]);
            progression.Avancer(int(i) + 1, 0);
        }
        QGuiApplication::restoreOverrideCursor();
    }

    // The entries of the files in the trash leave the list in one change; the others stay.
    if (!jetes.isEmpty()) {
        QStringList restants;
        for (int i = 0; i < liste->count(); ++i)
            if (!jetes.contains(i))
                restants.append(liste->item(i)->text());
        etat.ListeOccupee = true;
        liste->clear();
        liste->addItems(restants);
        etat.ListeOccupee = false;
    }
    if (!echec.isEmpty())
        d.Message(QStringLiteral("Impossible de supprimer des fichiers sur un support "
                                 "\"disque.\"\n\n") +
                      echec,
                  Dialogues::Icone::Exclamation);

    m_f.listeFichiers().AfficherNombre();
    m_f.apercu().ViderApercu();
    m_f.apercu().EntreeAffichee = QPersistentModelIndex();
    m_f.TxtFileName->clear();
    m_f.LblTaille->clear();
    m_f.LblRang->clear();
    m_f.axBSel0->show();
    m_f.axBSel1->hide();
    m_f.ImgUp->hide();
    m_f.ImgDown->hide();
    if (liste->count() == 0) {
        m_f.Stop_son();
        m_collage.EffacerAffichageCourant();
    }
    etat.PasDePhoto = true;
    m_collage.ActiverCollage(false);
}
