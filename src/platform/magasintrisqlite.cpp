#include "magasintrisqlite.h"

#include <QAtomicInteger>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString nouvelleConnexion() {
    static QAtomicInteger<quint64> compteur;
    return QStringLiteral("vimbral-tri-%1").arg(compteur.fetchAndAddRelaxed(1));
}

Resultat echec(const QSqlError& erreur) {
    return Resultat::echec(erreur.text());
}

} // namespace

MagasinTriSqlite::MagasinTriSqlite(const QString& chemin)
    : m_chemin(chemin), m_connexion(nouvelleConnexion()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connexion);
    db.setDatabaseName(m_chemin);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
}

MagasinTriSqlite::~MagasinTriSqlite() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connexion);
}

Resultat MagasinTriSqlite::Ouvrir() {
    if (m_ouvert)
        return Resultat::reussite();
    QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
    if (!db.open())
        return echec(db.lastError());
    // Also the first read of the file: a file that is not a database fails here.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Tridate (Nom TEXT, Date TEXT)"))) {
        const Resultat r = echec(q.lastError());
        db.close();
        return r;
    }
    m_ouvert = true;
    return Resultat::reussite();
}

Resultat MagasinTriSqlite::Trier(const QList<Ligne>& lignes, QStringList& noms) {
    if (Resultat r = Ouvrir(); !r)
        return r;
    QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
    QSqlQuery q(db);
    // Taken for writing from the start: a second program waits for the whole sort (the busy
    // timeout) instead of writing its rows between these and their reading.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return echec(q.lastError());
    bool ok = q.exec(QStringLiteral("DELETE FROM Tridate"));
    ok = ok && q.prepare(QStringLiteral("INSERT INTO Tridate (Nom, Date) VALUES (?, ?)"));
    for (qsizetype i = 0; ok && i < lignes.size(); ++i) {
        q.bindValue(0, lignes[i].nom);
        q.bindValue(1, lignes[i].date.isNull() ? QVariant() : QVariant(lignes[i].date));
        ok = q.exec();
    }
    QStringList lus;
    if (ok) {
        q.setForwardOnly(true);
        // The dates are "YYYY-MM-DD hh:mm:ss": their text order is their time order.
        ok = q.exec(QStringLiteral("SELECT Nom FROM Tridate ORDER BY Date IS NULL, Date, rowid"));
        while (ok && q.next())
            lus.append(q.value(0).toString());
        ok = ok && !q.lastError().isValid();
    }
    if (ok) {
        q.finish();
        ok = q.exec(QStringLiteral("COMMIT"));
    }
    if (!ok) {
        const Resultat r = echec(q.lastError());
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return r;
    }
    noms = lus;
    return Resultat::reussite();
}
