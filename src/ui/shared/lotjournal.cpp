#include "lotjournal.h"

#include "journalrenommages.h"
#include "plateforme.h"

LotJournal::LotJournal(Plateforme& plateforme, const QList<QPair<QString, QString>>& renommages)
    : m_journal(std::make_unique<JournalRenommages>(CheminJournal(plateforme))) {
    QList<Journal::Etape> etapes;
    etapes.reserve(renommages.size());
    for (const auto& [ancien, nouveau] : renommages)
        etapes.append(
            {ancien, nouveau, plateforme.fichiers.Identite(ancien).value_or(Journal::Identite{})});
    m_lot = m_journal->Commencer(etapes);
    m_faites.fill(false, renommages.size());
}

LotJournal::~LotJournal() {
    if (m_lot)
        m_journal->Terminer(*m_lot, m_faites);
}

void LotJournal::fait(int etape) {
    if (!m_lot || etape < 0 || etape >= m_faites.size())
        return;
    m_faites[etape] = true;
    m_journal->Fait(*m_lot, etape);
}

QString CheminJournal(const Plateforme& plateforme) {
    return plateforme.environnement.dossierProgramme + QStringLiteral("/Journal.db");
}

void SignalerJournalImpossible(Dialogues& dialogues, const Plateforme& plateforme) {
    dialogues.Message(QStringLiteral("Le journal des renommages ne peut être écrit :\n%1\n\nAucun "
                                     "fichier n'a été renommé.")
                          .arg(CheminJournal(plateforme)),
                      Dialogues::Icone::Exclamation);
}
