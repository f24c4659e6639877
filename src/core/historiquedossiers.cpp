#include "historiquedossiers.h"

#include "listesdossiers.h"

void HistoriqueDossiers::Enregistrer(const QString& chemin) {
    m_entrees.append(chemin);
    m_position = m_entrees.size() - 1;
}

void HistoriqueDossiers::Reinitialiser(const QString& chemin) {
    m_entrees = QStringList{chemin};
    m_position = 0;
}

QString HistoriqueDossiers::Reculer() {
    if (!PeutReculer())
        return {};
    return m_entrees.at(--m_position);
}

QString HistoriqueDossiers::Avancer() {
    if (!PeutAvancer())
        return {};
    return m_entrees.at(++m_position);
}

void HistoriqueDossiers::DeplacerDossier(const QString& ancien, const QString& nouveau) {
    for (QString& entree : m_entrees)
        entree = ListesDossiers::DeplacerChemin(entree, ancien, nouveau);
}
