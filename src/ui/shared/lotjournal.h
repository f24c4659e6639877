#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <memory>
#include <optional>

struct Plateforme;
class Dialogues;
class JournalRenommages;

// One batch of renames kept in the program's rename journal: its plan is written, and made
// durable, before the first rename; each rename is recorded; when the batch ends, however
// it ends, it becomes the last renaming with the renames made.
class LotJournal {
public:
    // renommages: full paths, old then new, in the order they will be made.
    LotJournal(Plateforme& plateforme, const QList<QPair<QString, QString>>& renommages);
    ~LotJournal();
    LotJournal(const LotJournal&) = delete;
    LotJournal& operator=(const LotJournal&) = delete;

    // False when the journal could not be written: nothing may be renamed then.
    bool ouvert() const { return m_lot.has_value(); }
    void fait(int etape);

private:
    std::unique_ptr<JournalRenommages> m_journal;
    std::optional<qint64> m_lot;
    QList<bool> m_faites;
};

QString CheminJournal(const Plateforme& plateforme);
// What the user is told when the journal cannot be written, and no file was renamed.
void SignalerJournalImpossible(Dialogues& dialogues, const Plateforme& plateforme);
