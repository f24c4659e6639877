#pragma once

#include "journal.h"
#include "resultat.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The rename journal of the program folder ("Journal.db"): each batch is written whole, and
// made durable, before its first rename; its renames are then recorded as done; a batch that
// ended becomes the last renaming, the one an undo takes back. A batch found unfinished at
// start-up was cut off by a crash.
class JournalRenommages {
public:
    struct Lot {
        qint64 id = 0;
        QList<Journal::Etape> etapes;
        // Steps recorded as done; a hint only: where each file is says what was done.
        QList<bool> faites;
        bool termine = false;
    };

    explicit JournalRenommages(const QString& chemin);
    ~JournalRenommages();
    JournalRenommages(const JournalRenommages&) = delete;
    JournalRenommages& operator=(const JournalRenommages&) = delete;

    // Writes the planned batch and waits for the disk. False (and nothing written) when the
    // journal cannot be written: the batch must not start.
    std::optional<qint64> Commencer(const QList<Journal::Etape>& etapes);
    // Records a step as done; written with the next steps, in groups.
    void Fait(qint64 lot, int etape);
    // The batch ended: it becomes the last renaming, and earlier ended ones are forgotten;
    // unless it renamed nothing, when it is forgotten itself.
    void Terminer(qint64 lot, const QList<bool>& faites);
    // The batches a crash left unfinished, oldest first.
    QList<Lot> Inacheves();
    std::optional<Lot> Dernier();
    void Oublier(qint64 lot);

private:
    bool Ouvrir();
    void Ecrire();

    QString m_chemin;
    QString m_connexion;
    bool m_ouvert = false;
    QList<std::pair<qint64, int>> m_faits;
};
