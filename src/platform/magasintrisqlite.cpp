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

Resultat MagasinTriSqlite::Remplacer(const QList<Ligne>& lignes) {
    if (Resultat r = Ouvrir(); !r)
        return r;
    QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
    // One transaction: a commit per row would cost a disk sync per file.
    if (!db.transaction())
        return echec(db.lastError());
    QSqlQuery q(db);
    bool ok = q.exec(QStringLiteral("DELETE FROM Tridate"));
    ok = ok && q.prepare(QStringLiteral("INSERT INTO Tridate (Nom, Date) VALUES (?, ?)"));
    for (qsizetype i = 0; ok && i < lignes.size(); ++i) {
        q.bindValue(0, lignes[i].nom);
        q.bindValue(1, lignes[i].date.isNull() ? QVariant() : QVariant(lignes[i].date));
        ok = q.exec();
    }
    if (!ok) {
        const Resultat r = echec(q.lastError());
        db.rollback();
        return r;
    }
    if (!db.commit()) {
        const Resultat r = echec(db.lastError());
        db.rollback();
        return r;
    }
    return Resultat::reussite();
}

Resultat MagasinTriSqlite::LireOrdonne(QStringList& noms) {
    if (Resultat r = Ouvrir(); !r)
        return r;
    QSqlDatabase db = QSqlDatabase::database(m_connexion, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // The dates are "YYYY-MM-DD hh:mm:ss": their text order is their time order.
    if (!q.exec(QStringLiteral("SELECT Nom FROM Tridate ORDER BY Date IS NULL, Date, rowid")))
        return echec(q.lastError());
    QStringList lus;
    while (q.next())
        lus.append(q.value(0).toString());
    if (q.lastError().isValid())
        return echec(q.lastError());
    noms = lus;
    return Resultat::reussite();
}
