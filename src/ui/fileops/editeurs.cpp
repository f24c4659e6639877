#include "editeurs.h"

#include "outilsfichiers.h"
#include "plateforme.h"

#include <QAction>
#include <QMenu>

namespace {

const QString Fichier = QStringLiteral("Editer.ini");

} // namespace

Editeurs::Editeurs(Plateforme& plateforme, QObject* parent) : QObject(parent), m_p(plateforme) {
    setObjectName(QStringLiteral("Editeurs"));
    Charger();
}

void Editeurs::Charger() {
    m_liste = ListesDossiers::LirePaires(OutilsFichiers::LireListe(m_p, Fichier));
    Q_EMIT listeModifiee();
}

void Editeurs::RemplirMenu(QMenu& menu, const QString& nomArticles, const QString& legendeDefaut,
                           const std::function<void(int)>& choisi) const {
    const QString debut = nomArticles + QLatin1Char('(');
    for (QAction* a : menu.actions())
        if (a->objectName().startsWith(debut)) {
            // The item may be the one whose click is being handled.
            a->setObjectName(QString());
            menu.removeAction(a);
            a->deleteLater();
        }
    for (int k = 0; k <= m_liste.size(); ++k) {
        QString legende = k == 0 ? legendeDefaut : m_liste[k - 1].nom;
        QAction* a = menu.addAction(legende.replace(QLatin1Char('&'), QStringLiteral("&&")));
        a->setObjectName(QStringLiteral("%1(%2)").arg(nomArticles).arg(k));
        connect(a, &QAction::triggered, &menu, [choisi, k] { choisi(k); });
    }
}

bool Editeurs::Lancer(int k, const QString& fichier) {
    Dialogues& d = m_p.dialogues;
    if (k == 0) {
        if (m_p.shell.Ouvrir(fichier))
            return true;
        d.Message(QStringLiteral("Aucun programme n'a pu ouvrir ce fichier :\n") + fichier,
                  Dialogues::Icone::Exclamation);
        return false;
    }
    if (k > m_liste.size())
        return false;
    const QString programme = m_liste[k - 1].chemin;
    if (!m_p.fichiers.Existe(programme)) {
        d.Message(QStringLiteral("Ce programme n'existe plus :\n%1\n\nRetirez-le de la liste avec "
                                 "« Supprimer un programme ».")
                      .arg(programme),
                  Dialogues::Icone::Exclamation);
        return false;
    }
    if (m_p.shell.Lancer(programme, {fichier}))
        return true;
    d.Message(QStringLiteral("Ce programme n'a pas pu être lancé :\n") + programme,
              Dialogues::Icone::Exclamation);
    return false;
}

bool Editeurs::Ajouter(const QString& nom, const QString& chemin) {
    auto paires = ListesDossiers::LirePaires(OutilsFichiers::LireListe(m_p, Fichier));
    paires.append({nom, chemin});
    if (!OutilsFichiers::EcrireListe(m_p, Fichier, ListesDossiers::EcrirePaires(paires)))
        return false;
    Charger();
    return true;
}

bool Editeurs::Retirer(int k) {
    if (k < 1 || k > m_liste.size())
        return false;
    const ListesDossiers::Paire& p = m_liste[k - 1];
    const QByteArray reste =
        ListesDossiers::RetirerLignes(OutilsFichiers::LireListe(m_p, Fichier), {p.nom, p.chemin});
    if (!OutilsFichiers::EcrireListe(m_p, Fichier, reste))
        return false;
    Charger();
    return true;
}
