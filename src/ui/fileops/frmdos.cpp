#include "frmdos.h"

#include "controles.h"
#include "listesdossiers.h"
#include "outilsfichiers.h"
#include "placement.h"
#include "plateforme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Favoris = QStringLiteral("Favoris.ini");
const QString Dos = QStringLiteral("Dos.ini");

QString info(const QString& texte) {
    return QStringLiteral("INFO\n ________\n\n") + texte;
}

} // namespace

FrmDos::FrmDos(Plateforme& plateforme, bool modeFavoris, QWidget* parent)
    : QDialog(parent), m_p(plateforme), m_modeFavoris(modeFavoris) {
    setObjectName(QStringLiteral("FrmDos"));
    setWindowTitle(modeFavoris ? QStringLiteral("Organiser les favoris")
                               : QStringLiteral("Dossiers de copie"));
    setModal(true);

    LblF = new QLabel(QStringLiteral("Favoris"), this);
    LblF->setObjectName(QStringLiteral("LblF"));
    LblH = new QLabel(QStringLiteral("  Dossiers de  copie"), this);
    LblH->setObjectName(QStringLiteral("LblH"));
    QFont gras = LblF->font();
    gras.setBold(true);
    LblF->setFont(gras);
    LblH->setFont(gras);
    LblF->setVisible(modeFavoris);
    LblH->setVisible(!modeFavoris);

    LstDos = new QListWidget(this);
    LstDos->setObjectName(QStringLiteral("LstDos"));
    LstDos->setAccessibleName(modeFavoris ? QStringLiteral("Favoris")
                                          : QStringLiteral("Dossiers de copie"));
    LstDos->setMinimumSize(420, 240);
    LstFavTmp = new QListWidget(this);
    LstFavTmp->setObjectName(QStringLiteral("LstFavTmp"));
    LstFavTmp->hide();

    CmdParcourir = BoutonFenetre(this, QStringLiteral("CmdParcourir"),
                                 modeFavoris ? QStringLiteral("Ajouter ...")
                                             : QStringLiteral("Parcourir ..."));
    CmdSupprimer = BoutonFenetre(this, QStringLiteral("CmdSupprimer"), QStringLiteral("Supprimer"));
    CmdOK = BoutonFenetre(this, QStringLiteral("CmdOK"), QStringLiteral("Valider"));
    CmdAnnule = BoutonFenetre(this, QStringLiteral("CmdAnnule"), QStringLiteral("Annuler"));
    Cmd = BoutonFenetre(this, QStringLiteral("Cmd"), QString());
    Cmd->setAccessibleName(QStringLiteral("Aucune action"));
    Cmd->setGeometry(-100, -100, 1, 1);
    connect(CmdParcourir, &QPushButton::clicked, this, [this] { CmdParcourir_Click(); });
    connect(CmdSupprimer, &QPushButton::clicked, this, [this] { CmdSupprimer_Click(); });
    connect(CmdOK, &QPushButton::clicked, this, [this] { CmdOK_Click(); });
    connect(CmdAnnule, &QPushButton::clicked, this, [this] { reject(); });

    auto* boutons = new QVBoxLayout;
    for (QPushButton* b : {CmdParcourir, CmdSupprimer})
        boutons->addWidget(b);
    boutons->addStretch();
    for (QPushButton* b : {CmdOK, CmdAnnule})
        boutons->addWidget(b);
    auto* corps = new QHBoxLayout;
    corps->addWidget(LstDos, 1);
    corps->addLayout(boutons);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(16, 12, 16, 16);
    colonne->addWidget(LblF);
    colonne->addWidget(LblH);
    colonne->addLayout(corps);
    Charger();
    adjustSize();
    CentrerSurParent(*this);
}

void FrmDos::Charger() {
    LstDos->clear();
    LstFavTmp->clear();
    const QByteArray contenu = OutilsFichiers::LireListe(m_p, m_modeFavoris ? Favoris : Dos);
    if (!m_modeFavoris) {
        for (const QString& dossier : ListesDossiers::LireDossiers(contenu))
            Ajouter(dossier);
        return;
    }
    for (const ListesDossiers::Paire& p : ListesDossiers::LirePaires(contenu))
        AjouterFavori(p.nom, p.chemin);
}

QListWidgetItem* FrmDos::Ajouter(const QString& texte) {
    auto* entree = new QListWidgetItem(texte, LstDos);
    // A long path is read whole under the pointer.
    entree->setToolTip(texte);
    return entree;
}

void FrmDos::AjouterFavori(const QString& nom, const QString& chemin) {
    Ajouter(nom)->setData(Qt::UserRole, LstFavTmp->count());
    LstFavTmp->addItem(chemin);
}

bool FrmDos::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        Cmd->setFocus();
    return QDialog::event(e);
}

void FrmDos::CmdParcourir_Click() {
    Dialogues& d = m_p.dialogues;
    QString dossier = d.ChoisirDossier(
        QStringLiteral("Sélectionner le répertoire de destination et valider par OK"));
    if (!dossier.isEmpty() && OutilsFichiers::TexteAccepte(d, dossier)) {
        if (m_modeFavoris) {
            QString nom =
                d.Saisie(QStringLiteral("Voulez-vous donner un nom particulier à ce répertoire ?"),
                         QStringLiteral(" Répertoires des favoris"), dossier);
            if (nom.trimmed().isEmpty())
                nom = dossier;
            if (!OutilsFichiers::TexteAccepte(d, nom)) {
            } else if (!LstDos->findItems(nom, Qt::MatchExactly).isEmpty()) {
                d.Message(info(QStringLiteral("Ce nom, ou ce répertoire, est déjà présent dans la "
                                              "liste !")),
                          Dialogues::Icone::Information);
            } else {
                AjouterFavori(nom, dossier);
            }
        } else {
            AjouterDossierCopie(dossier);
        }
    }
    Cmd->setFocus();
}

void FrmDos::AjouterDossierCopie(QString dossier) {
    Dialogues& d = m_p.dialogues;
    if (!dossier.endsWith(QLatin1Char('/')))
        dossier += QLatin1Char('/');
    if (d.Message(QStringLiteral("Voulez-vous créer un sous répertoire dans \n") + dossier +
                      QStringLiteral(" ?"),
                  Dialogues::Icone::Question, Dialogues::Boutons::OuiNon,
                  1) == Dialogues::Reponse::Oui) {
        const QString nom =
            d.Saisie(QStringLiteral("Donner un nom au répertoire de destination à créer."),
                     QStringLiteral("Nouveau répertoire"), QStringLiteral("Nouveau dossier"));
        if (nom.trimmed().isEmpty()) {
            d.Message(info(QStringLiteral("Aucun sous répertoire ne sera créé !")),
                      Dialogues::Icone::Information);
        } else if (m_p.fichiers.EstDossier(dossier + nom)) {
            d.Message(info(QStringLiteral("Ce répertoire existe déjà !")),
                      Dialogues::Icone::Critique);
            return;
        } else if (!OutilsFichiers::CreerSousDossier(m_p, dossier, nom,
                                                     QStringLiteral("Nouveau répertoire"))) {
            return;
        } else {
            dossier += nom + QLatin1Char('/');
        }
    }
    if (!LstDos->findItems(dossier, Qt::MatchExactly).isEmpty()) {
        d.Message(info(QStringLiteral("Ce répertoire est déjà présent dans la liste !")),
                  Dialogues::Icone::Information);
        return;
    }
    LstDos->setCurrentItem(Ajouter(dossier));
}

void FrmDos::CmdSupprimer_Click() {
    Dialogues& d = m_p.dialogues;
    if (LstDos->count() == 0) {
        d.Message(QStringLiteral("Il n'y a aucun dossier à supprimer."),
                  Dialogues::Icone::Information);
    } else if (!SuppressionDemandee) {
        if (d.Message(QStringLiteral("Effacer tous les dossiers ?"), Dialogues::Icone::Question,
                      Dialogues::Boutons::OuiNon, 1) == Dialogues::Reponse::Oui)
            LstDos->clear();
        SuppressionDemandee = true;
    } else if (LstDos->currentRow() < 0 || !LstDos->currentItem()->isSelected()) {
        d.Message(QStringLiteral("Quel est le répertoire à supprirmer de la liste ?"),
                  Dialogues::Icone::Question);
    } else if (d.Message(QStringLiteral("Supprimer vraiment ") + LstDos->currentItem()->text() +
                             QStringLiteral(" ?"),
                         Dialogues::Icone::Question, Dialogues::Boutons::OuiNon,
                         1) == Dialogues::Reponse::Oui) {
        delete LstDos->takeItem(LstDos->currentRow());
    }
    Cmd->setFocus();
}

bool FrmDos::EcrireDossiersCopie() {
    QStringList dossiers;
    for (int i = 0; i < LstDos->count(); ++i)
        dossiers.append(LstDos->item(i)->text());
    return OutilsFichiers::EcrireListe(m_p, Dos, ListesDossiers::EcrireDossiers(dossiers));
}

void FrmDos::CmdOK_Click() {
    Dialogues& d = m_p.dialogues;
    if (m_modeFavoris) {
        QList<ListesDossiers::Paire> paires;
        for (int i = 0; i < LstDos->count(); ++i)
            paires.append({LstDos->item(i)->text(),
                           LstFavTmp->item(LstDos->item(i)->data(Qt::UserRole).toInt())->text()});
        if (OutilsFichiers::EcrireListe(m_p, Favoris, ListesDossiers::EcrirePaires(paires)))
            accept();
        return;
    }
    m_dossierCopie.clear();
    QListWidgetItem* choisi = LstDos->currentItem();
    if (!choisi || !choisi->isSelected()) {
        d.Message(QStringLiteral("Aucun dossier n'a été sélectionné !"),
                  Dialogues::Icone::Information);
        return;
    }
    if (!m_p.fichiers.EstDossier(choisi->text())) {
        d.Message(
            QStringLiteral("Ce répertoire n'existe pas (ou plus). Il doit être supprimé de la "
                           "liste."),
            Dialogues::Icone::Information);
        delete choisi;
        EcrireDossiersCopie();
        return;
    }
    if (EcrireDossiersCopie()) {
        m_dossierCopie = choisi->text();
        accept();
    }
}

void FrmDos::reject() {
    m_dossierCopie.clear();
    QDialog::reject();
}
