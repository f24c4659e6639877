#include "favoris.h"

#include "etatprogramme.h"
#include "frmdos.h"
#include "frmphoto.h"
#include "listesdossiers.h"
#include "menusphoto.h"
#include "outilsfichiers.h"
#include "plateforme.h"

#include <QLineEdit>
#include <QMenu>

namespace {

const QString FichierFavoris = QStringLiteral("Favoris.ini");
const QString FichierDossiers = QStringLiteral("Dos.ini");

// A menu caption shows "&" as itself, not as a shortcut mark.
QString legende(const QString& nom) {
    return QString(nom).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

Favoris::Favoris(FrmPhoto& fenetre) : QObject(&fenetre), m_f(fenetre) {
    MenusPhoto& menus = m_f.menus();
    menus.Brancher(QStringLiteral("MnuMarquer"), [this] { MnuMarquer_Click(); });
    menus.Brancher(QStringLiteral("mnuOrganiser"), [this] { mnuOrganiser_Click(); });
    QAction* modele = menus.mnuFavorisInv->addAction(QString());
    modele->setObjectName(QStringLiteral("mnuFavoris(0)"));
    modele->setVisible(false);
    Charge_Favoris();
}

void Favoris::Charge_Favoris() {
    QMenu* menu = m_f.menus().mnuFavorisInv;
    for (QAction* a : std::as_const(m_articles)) {
        // The item may be the one whose click is being handled.
        a->setObjectName(QString());
        menu->removeAction(a);
        a->deleteLater();
    }
    m_articles.clear();
    const auto paires =
        ListesDossiers::LirePaires(OutilsFichiers::LireListe(m_f.plateforme(), FichierFavoris));
    for (const ListesDossiers::Paire& p : paires) {
        QAction* a = menu->addAction(legende(p.nom));
        const int index = int(m_articles.size()) + 1;
        a->setObjectName(QStringLiteral("mnuFavoris(%1)").arg(index));
        a->setData(p.chemin);
        connect(a, &QAction::triggered, this, [this, index] { mnuFavoris_Click(index); });
        m_articles.append(a);
    }
}

void Favoris::MnuMarquer_Click() {
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    const QString chemin = m_f.CheminDossier();
    if (chemin.isEmpty())
        return;
    for (const QAction* a : std::as_const(m_articles))
        if (a->data().toString() == chemin) {
            d.Message(QStringLiteral("Répertoire déjà inscrit dans la liste des favoris !"),
                      Dialogues::Icone::Information);
            return;
        }
    if (!OutilsFichiers::TexteAccepte(d, chemin))
        return;
    QString nom =
        d.Saisie(QStringLiteral("Voulez-vous donner un nom particulier à ce répertoire ?"),
                 QStringLiteral(" Répertoires des favoris"), chemin);
    if (nom.trimmed().isEmpty())
        nom = chemin;
    if (!OutilsFichiers::TexteAccepte(d, nom))
        return;
    auto paires = ListesDossiers::LirePaires(OutilsFichiers::LireListe(p, FichierFavoris));
    paires.append({nom, chemin});
    if (OutilsFichiers::EcrireListe(p, FichierFavoris, ListesDossiers::EcrirePaires(paires)))
        Charge_Favoris();
}

void Favoris::mnuOrganiser_Click() {
    Plateforme& p = m_f.plateforme();
    FrmDos fenetre(p, true, &m_f);
    if (p.dialogues.Executer(fenetre) == QDialog::Accepted)
        Charge_Favoris();
    m_f.TxtFileName->setFocus();
}

void Favoris::mnuFavoris_Click(int index) {
    if (index < 1 || index > m_articles.size())
        return;
    const QString chemin = m_articles[index - 1]->data().toString();
    m_f.etat().ArretChargement = true;
    if (!m_f.DefinirCheminDossier(chemin))
        m_f.plateforme().dialogues.Message(
            QStringLiteral("Le chemin de ce répertoire a été modifié !"),
            Dialogues::Icone::Critique);
}

QString Favoris::ChoisirDossierCopie() {
    Plateforme& p = m_f.plateforme();
    FrmDos fenetre(p, false, &m_f);
    p.dialogues.Executer(fenetre);
    return fenetre.DossierCopie();
}

void Favoris::DeplacerDossier(const QString& ancien, const QString& nouveau) {
    Plateforme& p = m_f.plateforme();
    auto paires = ListesDossiers::LirePaires(OutilsFichiers::LireListe(p, FichierFavoris));
    bool change = false;
    for (ListesDossiers::Paire& paire : paires) {
        const QString chemin = ListesDossiers::DeplacerChemin(paire.chemin, ancien, nouveau);
        change = change || chemin != paire.chemin;
        paire.chemin = chemin;
    }
    if (change &&
        OutilsFichiers::EcrireListe(p, FichierFavoris, ListesDossiers::EcrirePaires(paires)))
        Charge_Favoris();

    QStringList dossiers =
        ListesDossiers::LireDossiers(OutilsFichiers::LireListe(p, FichierDossiers));
    const QStringList avant = dossiers;
    for (QString& dossier : dossiers)
        dossier = ListesDossiers::DeplacerChemin(dossier, ancien, nouveau);
    if (dossiers != avant)
        OutilsFichiers::EcrireListe(p, FichierDossiers, ListesDossiers::EcrireDossiers(dossiers));
}
