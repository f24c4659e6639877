#include "journalrenommages.h"

#include <QAtomicInteger>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString nouvelleConnexion() {
    static QAtomicInteger<quint64> compteur;
    return QStringLiteral("vimbral-journal-%1").arg(compteur.fetchAndAddRelaxed(1));
}

// Steps recorded as done are written together: the journal's truth is the plan, which is
// written before anything moves.
constexpr int Groupe = 256;

} // namespace

JournalRenommages::JournalRenommages(const QString& chemin)
    : m_chemin(chemin), m_connexion(nouvelleConnexion()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connexion);
    db.setDatabaseName(m_chemin);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
}

JournalRenommages::~JournalRenommages() {
    Ecrire();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connexion);
}

bool JournalRenommages::Ouvrir() {
    if (m_ouvert)
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
    if (!db.open())
        return false;
    QSqlQuery q(db);
    m_ouvert = q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) &&
               q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Lot (Id INTEGER PRIMARY KEY, "
                                     "Termine INTEGER NOT NULL DEFAULT 0, Quand TEXT)")) &&
               q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Etape (Lot INTEGER NOT NULL, "
                                     "Rang INTEGER NOT NULL, Ancien TEXT NOT NULL, Nouveau TEXT "
                                     "NOT NULL, Peripherique INTEGER, Inode INTEGER, Taille "
                                     "INTEGER, Fait INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (Lot, "
                                     "Rang))"));
    if (!m_ouvert)
        db.close();
    return m_ouvert;
}

std::optional<qint64> JournalRenommages::Commencer(const QList<Journal::Etape>& etapes) {
    if (!Ouvrir())
        return std::nullopt;
    Ecrire();
    QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
    QSqlQuery q(db);
    // The plan must be on the disk before the first rename.
    if (!q.exec(QStringLiteral("PRAGMA synchronous=FULL")) ||
        !q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return std::nullopt;
    bool ok = q.prepare(QStringLiteral("INSERT INTO Lot (Quand) VALUES (?)"));
    q.bindValue(0, QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    ok = ok && q.exec();
    const qint64 lot = q.lastInsertId().toLongLong();
    ok = ok &&
         q.prepare(QStringLiteral("INSERT INTO Etape (Lot, Rang, Ancien, Nouveau, "
                                  "Peripherique, Inode, Taille) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (qsizetype i = 0; ok && i < etapes.size(); ++i) {
        const Journal::Etape& e = etapes[i];
        q.bindValue(0, lot);
        q.bindValue(1, int(i));
        q.bindValue(2, e.ancien);
        q.bindValue(3, e.nouveau);
        q.bindValue(4, qint64(e.identite.peripherique));
        q.bindValue(5, qint64(e.identite.inode));
        q.bindValue(6, e.identite.taille);
        ok = q.exec();
    }
    ok = ok && q.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    // The progress that follows is a hint: no wait for the disk at each rename.
    q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    return lot;
}

void JournalRenommages::Fait(qint64 lot, int etape) {
    m_faits.append({lot, etape});
    if (m_faits.size() >= Groupe)
        Ecrire();
}

void JournalRenommages::Ecrire() {
    if (m_faits.isEmpty() || !Ouvrir())
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return;
    q.prepare(QStringLiteral("UPDATE Etape SET Fait = 1 WHERE Lot = ? AND Rang = ?"));
    for (const auto& [lot, etape] : m_faits) {
        q.bindValue(0, lot);
        q.bindValue(1, etape);
        q.exec();
    }
    q.exec(QStringLiteral("COMMIT"));
    m_faits.clear();
}

void JournalRenommages::Terminer(qint64 lot, const QList<bool>& faites) {
    if (!Ouvrir())
        return;
    m_faits.clear();
    // A batch that renamed nothing leaves the last renaming as it was.
    if (!faites.contains(true)) {
        Oublier(lot);
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return;
    q.prepare(QStringLiteral("UPDATE Etape SET Fait = ? WHERE Lot = ? AND Rang = ?"));
    for (qsizetype i = 0; i < faites.size(); ++i) {
        q.bindValue(0, faites[i] ? 1 : 0);
        q.bindValue(1, lot);
        q.bindValue(2, int(i));
        q.exec();
    }
    q.prepare(QStringLiteral("DELETE FROM Etape WHERE Lot IN (SELECT Id FROM Lot WHERE Termine "
                             "= 1 AND Id <> ?)"));
    q.bindValue(0, lot);
    q.exec();
    q.exec(QStringLiteral("DELETE FROM Lot WHERE Termine = 1"));
    q.prepare(QStringLiteral("UPDATE Lot SET Termine = 1 WHERE Id = ?"));
    q.bindValue(0, lot);
    q.exec();
    q.exec(QStringLiteral("COMMIT"));
}

namespace {

QList<JournalRenommages::Lot> lireLots(QSqlDatabase db, const QString& condition) {
    QList<JournalRenommages::Lot> lots;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT Id, Termine FROM Lot WHERE ") + condition +
                QStringLiteral(" ORDER BY Id")))
        return lots;
    while (q.next())
        lots.append({q.value(0).toLongLong(), {}, {}, q.value(1).toInt() == 1});
    for (JournalRenommages::Lot& lot : lots) {
        QSqlQuery e(db);
        e.prepare(QStringLiteral("SELECT Ancien, Nouveau, Peripherique, Inode, Taille, Fait FROM "
                                 "Etape WHERE Lot = ? ORDER BY Rang"));
        e.bindValue(0, lot.id);
        e.exec();
        while (e.next()) {
            lot.etapes.append({e.value(0).toString(),
                               e.value(1).toString(),
                               {quint64(e.value(2).toLongLong()), quint64(e.value(3).toLongLong()),
                                e.value(4).toLongLong()}});
            lot.faites.append(e.value(5).toInt() == 1);
        }
    }
    return lots;
}

} // namespace

QList<JournalRenommages::Lot> JournalRenommages::Inacheves() {
    if (!Ouvrir())
        return {};
    Ecrire();
    return lireLots(QSqlDatabase::database(m_connexion, false), QStringLiteral("Termine = 0"));
}

std::optional<JournalRenommages::Lot> JournalRenommages::Dernier() {
    if (!Ouvrir())
        return std::nullopt;
    const QList<Lot> lots =
        lireLots(QSqlDatabase::database(m_connexion, false), QStringLiteral("Termine = 1"));
    if (lots.isEmpty())
        return std::nullopt;
    return lots.last();
}

void JournalRenommages::Oublier(qint64 lot) {
    if (!Ouvrir())
        return;
    QSqlQuery q(QSqlDatabase::database(m_connexion, false));
    q.prepare(QStringLiteral("DELETE FROM Etape WHERE Lot = ?"));
    q.bindValue(0, lot);
    q.exec();
    q.prepare(QStringLiteral("DELETE FROM Lot WHERE Id = ?"));
    q.bindValue(0, lot);
    q.exec();
}
