#include "passerenommage.h"

#include "etatprogramme.h"
#include "frmrenom.h"
#include "lotjournal.h"
#include "plateforme.h"

#include <QApplication>

namespace {

const QString TexteConflit =
    QStringLiteral("Il y a probablement un conflit entre des noms de fichiers (identiques).\n"
                   "L'opération d'incrémentation, ou de renommage, doit s'arrêter.");

// The hourglass for the length of a pass, whichever way it ends.
class Sablier {
public:
    Sablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sablier() { QApplication::restoreOverrideCursor(); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
};

} // namespace

BilanRenommage PasseAvecRapport(const PlanRenommage& plan, const QStringList& anciensNoms,
                                EtatProgramme& etat, Plateforme& plateforme, QListWidget* liste,
                                FrmRenom& rapport) {
    const Sablier sablier;
    etat.ListeOccupee = true;
    rapport.Charger(etat.RepertoireOuvert, anciensNoms);
    plateforme.horloge.TraiterEvenements();
    return AppliquerRenommages(plan, etat.RepertoireOuvert, plateforme, liste, &rapport);
}

void SignalerConflit(Dialogues& dialogues, FrmRenom* rapport, const Plateforme& plateforme,
                     const BilanRenommage& bilan) {
    if (rapport && rapport->isVisible() && !rapport->EnEtatFinal())
        rapport->EtatFinal();
    if (bilan.journalImpossible)
        SignalerJournalImpossible(dialogues, plateforme);
    else
        dialogues.Message(TexteConflit, Dialogues::Icone::Exclamation);
}
