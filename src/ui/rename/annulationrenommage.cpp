#include "annulationrenommage.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "journalrenommages.h"
#include "listefichiers.h"
#include "lotjournal.h"
#include "menusphoto.h"
#include "plateforme.h"
#include "textelistes.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

const QString Titre = QStringLiteral("  Annulation du renommage");

QString Nom(const QString& chemin) {
    return chemin.mid(chemin.lastIndexOf(QLatin1Char('/')) + 1);
}

QString Dossier(const QString& chemin) {
    return chemin.left(chemin.lastIndexOf(QLatin1Char('/')));
}

} // namespace

AnnulationRenommage::AnnulationRenommage(FrmPhoto& fenetre) : m_f(fenetre) {
    m_f.menus().Brancher(QStringLiteral("mnuAnnulerRenommage"), [this] { Annuler(); });
    m_f.AjouterGestionnaireTouches([this](QKeyEvent* e) {
        if (!e->matches(QKeySequence::Undo))
            return false;
        // What the user typed in a box is taken back by the box itself: in the name box, a
        // text that is not the name shown (a box emptied by the program has nothing typed).
        auto* boite = qobject_cast<QLineEdit*>(m_f.focusWidget());
        const bool tape = boite == m_f.TxtFileName
                              ? !boite->text().isEmpty() && boite->text() != m_f.apercu().NomInitial
                              : boite && boite->isUndoAvailable();
        if (tape)
            return false;
        Annuler();
        return true;
    });
}

int AnnulationRenommage::Position(const Journal::Fichier& fichier) {
    Fichiers& f = m_f.plateforme().fichiers;
    int position = -1;
    for (int j = 0; j < fichier.noms.size(); ++j)
        if (f.Identite(fichier.noms[j]) == fichier.identite) {
            // A rename cut between its link and its unlink leaves the file under two names:
            // the later one stays.
            if (position >= 0 && fichier.noms[position] != fichier.noms[j])
                f.RetirerDoublon(fichier.noms[j], fichier.noms[position]);
            position = j;
        }
    return position;
}

AnnulationRenommage::Bilan AnnulationRenommage::Ramener(const QList<Journal::Fichier>& fichiers,
                                                        bool versDebut) {
    Plateforme& p = m_f.plateforme();
    Bilan bilan;
    QList<QPair<QString, QString>> paires;
    QSet<QString> occupes;
    for (const Journal::Fichier& fichier : fichiers) {
        const int j = Position(fichier);
        if (j < 0) {
            bilan.laisses.append(Nom(fichier.noms.last()));
            continue;
        }
        const QString cible = versDebut ? fichier.noms.first() : fichier.noms.last();
        paires.append({fichier.noms[j], cible});
        occupes.insert(fichier.noms[j]);
        if (p.fichiers.Existe(cible))
            occupes.insert(cible);
    }
    const Journal::Plan plan = Journal::PlanifierRetour(paires, occupes, Journal::NomTemporaire);
    QList<QPair<QString, QString>> mouvements;
    for (const Journal::Mouvement& m : plan.mouvements)
        mouvements.append({m.de, m.vers});
    LotJournal lot(p, mouvements);
    if (!mouvements.isEmpty() && !lot.ouvert()) {
        bilan.journal = false;
        return bilan;
    }
    m_f.Stop_son();
    for (int k = 0; k < plan.mouvements.size(); ++k) {
        const Journal::Mouvement& m = plan.mouvements[k];
        if (!p.fichiers.Renommer(m.de, m.vers)) {
            bilan.laisses.append(Nom(m.de));
            continue;
        }
        lot.fait(k);
        if (m.etape >= 0)
            ++bilan.ramenes;
    }
    for (const int i : plan.laisses)
        bilan.laisses.append(Nom(paires[i].first));
    return bilan;
}

void AnnulationRenommage::Rapporter(const Bilan& bilan, const QString& fait) {
    Plateforme& p = m_f.plateforme();
    if (!bilan.journal) {
        SignalerJournalImpossible(p.dialogues, p);
        return;
    }
    QString texte = fait.arg(bilan.ramenes);
    if (!bilan.laisses.isEmpty())
        texte += QStringLiteral("\n\nCes fichiers ont changé depuis, ou leur nom est pris : ils "
                                "ont été laissés tels quels.\n\n") +
                 ListeAbregee(bilan.laisses);
    p.dialogues.Message(texte, Dialogues::Icone::Information, Dialogues::Boutons::Ok, 0, Titre);
}

void AnnulationRenommage::Annuler() {
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    JournalRenommages journal(CheminJournal(p));
    const std::optional<JournalRenommages::Lot> lot = journal.Dernier();
    QList<Journal::Etape> faites;
    if (lot)
        for (qsizetype i = 0; i < lot->etapes.size(); ++i)
            if (lot->faites.value(i))
                faites.append(lot->etapes[i]);
    const QList<Journal::Fichier> fichiers = Journal::Fichiers(faites);
    QStringList lignes;
    QStringList changes;
    for (const Journal::Fichier& f : fichiers) {
        if (f.noms.first() == f.noms.last())
            continue;
        if (Position(f) < 0)
            changes.append(Nom(f.noms.last()));
        else
            lignes.append(Nom(f.noms.last()) + QStringLiteral("   ->   ") + Nom(f.noms.first()));
    }
    if (lignes.isEmpty()) {
        d.Message(changes.isEmpty()
                      ? QStringLiteral("Aucun renommage à annuler.")
                      : QStringLiteral("Le dernier renommage ne peut plus être annulé : ses "
                                       "fichiers ont changé depuis.\n\n") +
                            ListeAbregee(changes),
                  Dialogues::Icone::Information, Dialogues::Boutons::Ok, 0, Titre);
        return;
    }
    const QString entete =
        lignes.size() == 1
            ? QStringLiteral("Ce fichier va retrouver son ancien nom :")
            : QStringLiteral("Ces %1 fichiers vont retrouver leur ancien nom :").arg(lignes.size());
    if (d.Message(entete + QStringLiteral("\n\n") + ListeAbregee(lignes) +
                      QStringLiteral("\n\nVoulez-vous annuler le dernier renommage ?"),
                  Dialogues::Icone::Question, Dialogues::Boutons::OuiNon, 1,
                  Titre) != Dialogues::Reponse::Oui)
        return;
    Rapporter(Ramener(fichiers, true),
              QStringLiteral("Le dernier renommage est annulé : %1 fichier(s) ont retrouvé leur "
                             "nom."));
    m_f.listeFichiers().CmdRefresh_Click();
}

bool AnnulationRenommage::Recuperer() {
    Plateforme& p = m_f.plateforme();
    JournalRenommages journal(CheminJournal(p));
    bool renomme = false;
    for (const JournalRenommages::Lot& lot : journal.Inacheves()) {
        const QList<Journal::Fichier> fichiers = Journal::Fichiers(lot.etapes);
        int faits = 0;
        for (const Journal::Fichier& f : fichiers)
            if (Position(f) == f.noms.size() - 1 && f.noms.first() != f.noms.last())
                ++faits;
        const QString dossier =
            lot.etapes.isEmpty() ? QString() : Dossier(lot.etapes.first().ancien);
        const auto reponse = p.dialogues.Message(
            QStringLiteral("Le programme s'est arrêté pendant le renommage des fichiers du "
                           "dossier :\n%1\n\n%2 fichier(s) sur %3 portaient déjà leur nouveau "
                           "nom.\n\nOui : terminer ce renommage\nNon : remettre les anciens "
                           "noms\nAnnuler : décider au prochain lancement")
                .arg(dossier)
                .arg(faits)
                .arg(fichiers.size()),
            Dialogues::Icone::Question, Dialogues::Boutons::OuiNonAnnuler, 0, Titre);
        if (reponse == Dialogues::Reponse::Annuler)
            continue;
        const bool terminer = reponse == Dialogues::Reponse::Oui;
        const Bilan bilan = Ramener(fichiers, !terminer);
        if (bilan.journal)
            journal.Oublier(lot.id);
        Rapporter(bilan, terminer ? QStringLiteral("Le renommage est terminé : %1 fichier(s) "
                                                   "ont reçu leur nouveau nom.")
                                  : QStringLiteral("%1 fichier(s) ont retrouvé leur ancien "
                                                   "nom."));
        renomme = true;
    }
    return renomme;
}
