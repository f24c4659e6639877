#pragma once

#include <QString>
#include <QStringList>

// The back/forward history of the folders opened since start-up. A new folder always goes
// at the end, even when the position was further back.
class HistoriqueDossiers {
public:
    void Enregistrer(const QString& chemin);
    // One entry, the folder open now.
    void Reinitialiser(const QString& chemin);
    // A folder renamed: its entries, and those of the folders inside it, follow it.
    void DeplacerDossier(const QString& ancien, const QString& nouveau);
    QString Reculer();
    QString Avancer();

    bool PeutReculer() const { return m_position > 0; }
    bool PeutAvancer() const { return m_position >= 0 && m_position < m_entrees.size() - 1; }
    const QStringList& Historique() const { return m_entrees; }
    int PosHistorique() const { return int(m_position); }

private:
    QStringList m_entrees;
    qsizetype m_position = -1;
};
