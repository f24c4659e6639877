#include "appliquerrenommages.h"

#include "frmrenom.h"
#include "lotjournal.h"
#include "plateforme.h"

#include <QListWidget>
#include <QSet>

namespace {

// While entries change one by one, a list view would lay all of its entries out again at
// every change; with entries of one height it only lays out what it shows.
class TaillesUniformes {
public:
    explicit TaillesUniformes(QListWidget* liste)
        : m_liste(liste), m_avant(liste && liste->uniformItemSizes()) {
        if (m_liste)
            m_liste->setUniformItemSizes(true);
    }
    ~TaillesUniformes() {
        if (m_liste)
            m_liste->setUniformItemSizes(m_avant);
    }
    TaillesUniformes(const TaillesUniformes&) = delete;
    TaillesUniformes& operator=(const TaillesUniformes&) = delete;

private:
    QListWidget* m_liste;
    bool m_avant;
};

} // namespace

BilanRenommage AppliquerRenommages(const PlanRenommage& plan, const QString& dossierOuvert,
                                   Plateforme& plateforme, QListWidget* liste, FrmRenom* rapport,
                                   int pauseMillisecondes) {
    // A copy: the open folder's variable must not be followed if it ever changed meanwhile.
    const QString repertoire = dossierOuvert;
    BilanRenommage bilan;
    // Every file the batch renames must be a plain name of a file of the folder, as listed
    // now: a name from elsewhere (a damaged store, a list left from another folder) could
    // reach a file outside it. Checked before anything is renamed.
    if (!plan.etapes.isEmpty()) {
        const QStringList listes = plateforme.fichiers.Lister(repertoire);
        const QSet<QString> presents(listes.cbegin(), listes.cend());
        for (const Renommage& r : plan.etapes)
            if (NomRefuse(r.ancien) || !presents.contains(r.ancien)) {
                bilan.complet = false;
                bilan.raison = QStringLiteral("fichier introuvable : ") + r.ancien;
                return bilan;
            }
    }
    // The plan goes to the journal before the first rename, so that a crash can be finished or
    // taken back and the batch undone.
    QList<QPair<QString, QString>> renommages;
    renommages.reserve(plan.etapes.size());
    for (const Renommage& r : plan.etapes)
        renommages.append({repertoire + r.ancien, repertoire + r.nouveau});
    LotJournal lot(plateforme, renommages);
    if (!plan.etapes.isEmpty() && !lot.ouvert()) {
        bilan.complet = false;
        bilan.journalImpossible = true;
        bilan.raison = QStringLiteral("journal impossible à écrire");
        return bilan;
    }
    const TaillesUniformes tailles(liste);
    for (int i = 0; i < plan.etapes.size(); ++i) {
        const Renommage& r = plan.etapes[i];
        if (NomRefuse(r.nouveau)) {
            bilan.complet = false;
            bilan.raison = QStringLiteral("nom invalide");
            return bilan;
        }
        if (r.nouveau == r.ancien) {
            // Nothing to rename; the file must still be there for the step to count.
            if (!plateforme.fichiers.Existe(repertoire + r.ancien)) {
                bilan.complet = false;
                bilan.raison = QStringLiteral("fichier introuvable");
                return bilan;
            }
        } else if (const Resultat resultat =
                       plateforme.fichiers.Renommer(repertoire + r.ancien, repertoire + r.nouveau);
                   !resultat) {
            bilan.complet = false;
            bilan.raison = resultat.message;
            return bilan;
        } else {
            // Only a real rename counts for the journal: a batch that changed no name must
            // not push the last renaming out.
            lot.fait(i);
        }
        ++bilan.faits;
        if (r.majEntree && liste) {
            QListWidgetItem* entree = liste->item(r.entree);
            if (entree && entree->text() == r.ancien)
                entree->setText(r.nouveau);
        }
        if (rapport && r.rangRapport >= 0)
            rapport->InscrireNouveauNom(r.rangRapport, r.nouveau);
        plateforme.horloge.TraiterAffichage();
        if (r.pause)
            plateforme.horloge.Pause(pauseMillisecondes);
    }
    if (plan.refus) {
        bilan.complet = false;
        bilan.raison = QStringLiteral("numéro hors limites");
    }
    return bilan;
}
