#include "diaporama.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "frmzoom.h"
#include "loupe.h"
#include "menusphoto.h"
#include "miniatures.h"
#include "plateforme.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>

Diaporama::Diaporama(FrmPhoto& fenetre) : QObject(&fenetre), m_f(fenetre) {
    connect(m_f.axBDiapo, &QToolButton::clicked, this, [this] { axBDiapo_Click(); });
    Afficher(false);
    m_f.RendreDisponible(m_f.axBDiapo);
}

Diaporama::~Diaporama() = default;

void Diaporama::axBDiapo_Click() {
    if (DiaporamaEnCours)
        Arreter(true);
    else
        Demarrer(true);
}

void Diaporama::Afficher(bool enCours) {
    DiaporamaEnCours = enCours;
    m_f.axBDiapo->setStyleSheet(
        enCours ? QStringLiteral("QToolButton { background: rgb(255, 255, 0); color: black; }")
                : QStringLiteral("QToolButton { background: rgb(0, 0, 0); color: white; }"));
    if (m_f.apercu().ZoomCree())
        m_f.apercu().Zoom().DefinirDiaporama(enCours);
    // The main window's editor menu and its items rest while the pictures follow each other.
    QMenu* edit = m_f.menus().mnuEdit;
    if (enCours) {
        m_editeurs.clear();
        for (QAction* a : edit->findChildren<QAction*>())
            if (a->objectName().startsWith(QLatin1String("mnuProg(")) && a->isEnabled()) {
                a->setEnabled(false);
                m_editeurs.append(a);
            }
    } else {
        for (const QPointer<QAction>& a : std::exchange(m_editeurs, {}))
            if (a)
                a->setEnabled(true);
    }
    edit->setEnabled(!enCours);
}

void Diaporama::Demarrer(bool depuisBouton) {
    EtatProgramme& etat = m_f.etat();
    Dialogues& d = m_f.plateforme().dialogues;
    if (depuisBouton) {
        if (m_f.LstFF->count() == 0) {
            d.Message(QStringLiteral("Il n'y a aucun fichier photo dans ce dossier !"),
                      Dialogues::Icone::Information);
            return;
        }
        etat.ListeOccupee = false;
    }
    Afficher(true);
    TempsDiapo = d.Saisie(QStringLiteral("Indiquez le temps d'affichage de l'image en secondes"),
                          QStringLiteral("  Diaporama"), QStringLiteral("2"));
    const auto intervalle = Loupe::IntervalleDiaporama(TempsDiapo);
    m_f.TxtFileName->setFocus();
    if (!intervalle) {
        if (!TempsDiapo.isEmpty())
            d.Message(QStringLiteral("Le temps affiché est incompatible !"),
                      Dialogues::Icone::Critique);
        Afficher(false);
        m_f.TxtFileName->setFocus();
        return;
    }
    Intervalle = *intervalle;
    Armer();
}

void Diaporama::Armer() {
    m_minuterie = std::make_unique<QObject>();
    m_f.plateforme().horloge.Differer(Intervalle, m_minuterie.get(), [this] { TimerD_Timer(); });
}

void Diaporama::Arreter(bool depuisBouton) {
    m_minuterie.reset();
    Afficher(false);
    m_f.plateforme().dialogues.Message(QStringLiteral("Fin du diaporama."),
                                       Dialogues::Icone::Information);
    if (depuisBouton)
        m_f.TxtFileName->setFocus();
}

void Diaporama::TimerD_Timer() {
    EtatProgramme& etat = m_f.etat();
    QListWidget* liste = m_f.LstFF;
    const int i = liste->currentRow();
    if (i == liste->count() - 1) {
        m_minuterie.reset();
        Afficher(false);
        m_f.plateforme().dialogues.Message(QStringLiteral("Fin de dossier, et fin du diaporama. "),
                                           Dialogues::Icone::Information);
        m_f.Stop_son();
    } else {
        etat.AfficherApercu = true;
        // With no entry selected the slideshow begins at the first.
        const int suivant = i < 0 ? 0 : i + 1;
        m_f.SelectionnerEntree(suivant);
        m_f.apercu().miniatures().DefilerDiaporama(suivant);
        if (DiaporamaEnCours)
            Armer();
    }
    m_f.TxtFileName->setFocus();
    m_f.Preselectionner();
}
