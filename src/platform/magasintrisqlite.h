#pragma once

#include "magasintri.h"

#include <QString>

// The sort table "Tridate" in an SQLite file, created with its table when missing. An
// existing file that is not such a database is reported, never replaced.
class MagasinTriSqlite : public MagasinTri {
public:
    explicit MagasinTriSqlite(const QString& chemin);
    ~MagasinTriSqlite() override;
    MagasinTriSqlite(const MagasinTriSqlite&) = delete;
    MagasinTriSqlite& operator=(const MagasinTriSqlite&) = delete;

    Resultat Trier(const QList<Ligne>& lignes, QStringList& noms) override;

private:
    Resultat Ouvrir();

    QString m_chemin;
    // Each store has its own connection, so two stores never share one by accident.
    QString m_connexion;
    bool m_ouvert = false;
};
