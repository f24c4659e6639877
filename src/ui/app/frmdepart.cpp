#include "frmdepart.h"

#include "etatprogramme.h"
#include "fichiersparametres.h"
#include "plateforme.h"
#include "regleprofil.h"

#include <QDir>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const QString Sousdossier1 = QStringLiteral("DataKorvane");
const QString Sousdossier2 = QStringLiteral("DataPhoto");
const QString Base = QStringLiteral("Date.mdb");

} // namespace

FrmDepart::FrmDepart(Plateforme& plateforme, EtatProgramme& etat, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_plateforme(plateforme),
      m_etat(etat) {
    setObjectName(QStringLiteral("FrmDepart"));
    setWindowTitle(QStringLiteral("Vimbral"));
    setFixedSize(520, 300);
    const QSize ecran = plateforme.environnement.ecran;
    move((ecran.width() - width()) / 2, (ecran.height() - height()) / 2);

    auto* titre = new QLabel(QStringLiteral("VIMBRAL"), this);
    titre->setObjectName(QStringLiteral("LblTitre"));
    titre->setAlignment(Qt::AlignCenter);
    titre->setStyleSheet(QStringLiteral("color: rgb(253,220,106); font-size: 44px; "
                                        "font-weight: bold; letter-spacing: 6px;"));

    LblLigne = new QLabel(
        QStringLiteral("Pour renommer et organiser rapidement vos fichiers photos"), this);
    LblLigne->setObjectName(QStringLiteral("LblLigne"));
    LblLigne->setAlignment(Qt::AlignCenter);
    LblLigne->setWordWrap(true);
    LblLigne->setStyleSheet(QStringLiteral("color: white; font-size: 15px;"));

    LblVersion = new QLabel(this);
    LblVersion->setObjectName(QStringLiteral("LblVersion"));
    LblVersion->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    LblVersion->setStyleSheet(QStringLiteral("color: rgb(255,255,230);"));

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(24, 40, 24, 16);
    disposition->addWidget(titre);
    disposition->addWidget(LblLigne);
    disposition->addStretch();
    disposition->addWidget(LblVersion);
}

void FrmDepart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient degrade(0, 0, 0, height());
    degrade.setColorAt(0, QColor(64, 64, 64));
    degrade.setColorAt(1, QColor(120, 96, 40));
    p.fillRect(rect(), degrade);
    p.setPen(QColor(253, 220, 106));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool FrmDepart::Interrompre(const QString& texte) {
    m_plateforme.dialogues.Message(texte, Dialogues::Icone::Critique);
    return false;
}

// Steps 3 to 7: asks until an accepted folder or a refusal. False: the program ends.
bool FrmDepart::ChoisirDossierProfil(QString& dossier) {
    Dialogues& d = m_plateforme.dialogues;
    d.Message(QStringLiteral("Pour fonctionner avec les dernières versions de Windows,\nles "
                             "données doivent être placées dans un répertoire spécifique, "
                             "différent du répertoire de l'application."),
              Dialogues::Icone::Information);
    d.Message(QStringLiteral(
                  "Sélectionnez uniquement le répertoire où seront enregistrées les données du "
                  "programme sur le disque dur de votre ordinateur.\n\nCe répertoire DOIT ETRE "
                  "celui qui porte  \"VOTRE NOM D' UTILISATEUR\",   et dont l'emplacement "
                  "diffère selon les versions de Windows :\n\n- Dans \"Documents And settings\" "
                  "sous XP\n- Dans \"Utilisateurs ou Users\" pour les versions ultérieures "
                  "(Seven, 8)"),
              Dialogues::Icone::Information);
    for (;;) {
        dossier =
            d.ChoisirDossier(QStringLiteral("Sélectionnez uniquement le répertoire à votre NOM "
                                            "D'UTILISATEUR"));
        if (dossier.isEmpty()) {
            if (d.Message(QStringLiteral("Ce renseignement est obligatoire ; voulez-vous "
                                         "continuer ?"),
                          Dialogues::Icone::Question,
                          Dialogues::Boutons::OuiNon) == Dialogues::Reponse::Oui)
                continue;
            return Interrompre(QStringLiteral("Lancement du programme interrompu par défaut de "
                                              "renseignement !"));
        }
        if (!DossierProfilAccepte(dossier, m_plateforme.environnement.dossierPersonnel)) {
            if (d.Message(QStringLiteral("Ce répertoire n'est pas le bon ; voulez-vous "
                                         "continuer ?"),
                          Dialogues::Icone::Question,
                          Dialogues::Boutons::OuiNon) == Dialogues::Reponse::Oui)
                continue;
            return Interrompre(QStringLiteral("Lancement du programme interrompu par erreur de "
                                              "renseignement !"));
        }
        return true;
    }
}

bool FrmDepart::ProcedureDossierDonnees() {
    Fichiers& f = m_plateforme.fichiers;
    const QString programme = m_plateforme.environnement.dossierProgramme;
    const QString cheminData = programme + QLatin1Char('/') + FichiersParametres::CheminData;

    bool choisir = true;
    if (f.Existe(cheminData)) {
        if (const auto contenu = f.Lire(cheminData))
            m_etat.DossierDonnees = FichiersParametres::lireTexteSeul(*contenu);
        choisir = !m_etat.DossierDonnees.contains(Sousdossier2);
    }

    auto creer = [&](const QString& chemin) {
        if (f.EstDossier(chemin) || f.CreerDossier(chemin))
            return true;
        return Interrompre(QStringLiteral("Le dossier suivant n'a pas pu être créé :\n%1\n\n"
                                          "Lancement du programme interrompu !")
                               .arg(chemin));
    };

    if (choisir) {
        QString dossier;
        if (!ChoisirDossierProfil(dossier))
            return false;
        dossier = QDir::cleanPath(dossier);
        const QString niveau1 = dossier + QLatin1Char('/') + Sousdossier1;
        const QString niveau2 = niveau1 + QLatin1Char('/') + Sousdossier2;
        if (!creer(niveau1) || !creer(niveau2))
            return false;
        m_etat.DossierDonnees = niveau2;
        m_plateforme.horloge.TraiterEvenements();
        if (!f.EcrireAtomique(cheminData, FichiersParametres::texteSeul(niveau2)))
            m_plateforme.dialogues.Message(
                QStringLiteral("Impossible d'enregistrer le fichier \"%1\".\nLe dossier des "
                               "données sera demandé au prochain lancement.")
                    .arg(cheminData),
                Dialogues::Icone::Exclamation);
    }

    m_plateforme.horloge.TraiterEvenements();
    const QString baseProgramme = programme + QLatin1Char('/') + Base;
    if (f.Existe(baseProgramme)) {
        const QString baseDonnees = m_etat.DossierDonnees + QLatin1Char('/') + Base;
        // A stored data folder may have been removed since: it is made again rather than
        // leaving the database stranded in the program folder.
        if (!f.EstDossier(m_etat.DossierDonnees) && !f.CreerChemin(m_etat.DossierDonnees))
            return creer(m_etat.DossierDonnees);
        if (f.Existe(baseDonnees) && !f.Supprimer(baseDonnees))
            return Interrompre(QStringLiteral("Le fichier suivant n'a pas pu être supprimé :\n%1"
                                              "\n\nLancement du programme interrompu !")
                                   .arg(baseDonnees));
        m_plateforme.horloge.TraiterEvenements();
        if (!f.Deplacer(baseProgramme, baseDonnees))
            return Interrompre(QStringLiteral("Le fichier suivant n'a pas pu être déplacé :\n%1"
                                              "\nvers\n%2\n\nLancement du programme "
                                              "interrompu !")
                                   .arg(baseProgramme, baseDonnees));
    }
    return true;
}

void FrmDepart::Demarrer() {
    LblVersion->setText(QStringLiteral("Version [%1]").arg(m_plateforme.environnement.version));
    m_plateforme.horloge.Differer(4000, this, [this] {
        // The main window is shown before this one closes, so that the program never has no
        // window at all (which would end it).
        Q_EMIT DelaiEcoule();
        close();
    });
}
