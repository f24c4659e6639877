#include "appliquerrenommages.h"

#include "frmrenom.h"
#include "plateforme.h"

#include <QListWidget>

namespace {

// A name the file system would read as a path, or not as a name at all.
bool NomUtilisable(const QString& nom) {
    return !nom.isEmpty() && nom != QLatin1String(".") && nom != QLatin1String("..") &&
           !nom.contains(QLatin1Char('/')) && !nom.contains(QChar(0));
}

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
    const TaillesUniformes tailles(liste);
    for (const Renommage& r : plan.etapes) {
        if (!NomUtilisable(r.nouveau)) {
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
