#include "deplacementrapide.h"

#include "etatprogramme.h"
#include "frmdeplace.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "marques.h"
#include "menusphoto.h"
#include "nomsfichiers.h"
#include "ordresdeplacement.h"
#include "plateforme.h"
#include "selectionliste.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>
#include <QToolButton>
#include <QWheelEvent>

namespace {

// The entry's integer value: 1 tags a source entry while it is being moved. The tag is kept
// out of the text, which may be any file name, trailing spaces included.
constexpr int ValeurEntree = Qt::UserRole;
constexpr int Source = 1;

constexpr int HorsListe = 65536;

// A rank typed or shown: a whole number from 1 to the number of entries.
int LireRang(const QString& texte, int nombre) {
    bool nombreEntier = false;
    const int rang = texte.trimmed().toInt(&nombreEntier);
    return nombreEntier && rang >= 1 && rang <= nombre ? rang : 0;
}

} // namespace

DeplacementRapide::DeplacementRapide(FrmPhoto& fenetre) : QObject(&fenetre), m_f(fenetre) {
    setObjectName(QStringLiteral("DeplacementRapide"));
    m_f.CmdRapide->setEnabled(true);
    connect(m_f.CmdRapide, &QToolButton::clicked, this, [this] { CmdRapide_Click(); });
    MenusPhoto& menus = m_f.menus();
    menus.Brancher(QStringLiteral("mnuDeplaceFich"), [this] { mnuDeplaceFich_Click(); });
    menus.Brancher(QStringLiteral("mnuDeplaceFichAide"), [this] { mnuDeplaceFichAide_Click(); });
    m_f.TerminerDeplacementSousClic = [this] { TerminerDeplacementSousClic(); };
    m_f.LstFF->viewport()->setMouseTracking(true);
    m_f.LstFF->viewport()->installEventFilter(this);
    m_f.LstFF->installEventFilter(this);
}

bool DeplacementRapide::eventFilter(QObject* objet, QEvent* event) {
    QListWidget* liste = m_f.LstFF;
    if (objet == liste->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* souris = static_cast<QMouseEvent*>(event);
            LstFF_MouseDown(souris->button(), souris->position().toPoint());
            // A right press keeps the selection that the menu works on.
            return souris->button() == Qt::RightButton;
        }
        case QEvent::MouseMove: {
            auto* souris = static_cast<QMouseEvent*>(event);
            if (souris->buttons() == Qt::NoButton)
                LstFF_MouseMove(souris->position().toPoint());
            break;
        }
        case QEvent::Wheel: {
            auto* molette = static_cast<QWheelEvent*>(event);
            // Away from the user is up; a fine-grained wheel adds up to whole steps.
            m_angleMolette -= molette->angleDelta().y();
            const int crans = m_angleMolette / 120;
            m_angleMolette %= 120;
            if (liste->selectedItems().size() < 2) {
                m_angleMolette = 0;
                break;
            }
            if (crans != 0)
                LstFF_Molette(crans);
            return true;
        }
        // The right press opens the menu, when it should.
        case QEvent::ContextMenu:
            return true;
        default:
            break;
        }
    } else if (objet == liste && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && liste->count() > 1 &&
            SupprimerFichiers) {
            SupprimerFichiers();
            return true;
        }
    }
    return QObject::eventFilter(objet, event);
}

QStringList DeplacementRapide::MarquerSources() {
    QStringList noms;
    QListWidget* liste = m_f.LstFF;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->isSelected()) {
            noms.append(liste->item(i)->text());
            liste->item(i)->setData(ValeurEntree, Source);
        }
    return noms;
}

void DeplacementRapide::RetirerEtiquettes() {
    for (int i = 0; i < m_f.LstFF->count(); ++i)
        m_f.LstFF->item(i)->setData(ValeurEntree, 0);
}

QList<QListWidgetItem*> DeplacementRapide::Inserer(int ordre, int rang, const QStringList& noms) {
    QListWidget* liste = m_f.LstFF;
    QList<QListWidgetItem*> nouvelles(noms.size());
    for (const OrdresDeplacement::Insertion& i :
         OrdresDeplacement::Plan(ordre, rang, int(noms.size()))) {
        auto* entree = new QListWidgetItem(noms[i.k]);
        liste->insertItem(i.index, entree);
        nouvelles[i.k] = entree;
    }
    return nouvelles;
}

void DeplacementRapide::RetirerSources() {
    QListWidget* liste = m_f.LstFF;
    for (int i = liste->count() - 1; i >= 0; --i)
        if (liste->item(i)->data(ValeurEntree).toInt() == Source)
            delete liste->takeItem(i);
}

int DeplacementRapide::IndexAuPoint(const QPoint& position) const {
    const QModelIndex index = m_f.LstFF->indexAt(position);
    return index.isValid() ? index.row() : HorsListe;
}

void DeplacementRapide::CmdRapide_Click() {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    Dialogues& d = m_f.plateforme().dialogues;
    QString rangDeplacement = m_f.LblRang->text();
    if (etat.options.NiveauParNumero != 1) {
        m_f.marques().SelectionnerMarques();
        if (liste->selectedItems().isEmpty()) {
            d.Message(QStringLiteral("Il faut \"marquer\" les fichiers à déplacer, avec le bouton "
                                     "dédié [M]."),
                      Dialogues::Icone::Information);
            return;
        }
        // A rank left from before the list changed counts as not set.
        if (LireRang(rangDeplacement, liste->count()) == 0) {
            d.Message(QStringLiteral("Déplacement impossible !\nLe niveau du rang de déplacement "
                                     "n'est pas fixé (click sur le fichier concerné)."),
                      Dialogues::Icone::Critique);
            return;
        }
    } else {
        if (liste->selectedItems().isEmpty() || liste->count() == 0 || liste->currentRow() < 0) {
            d.Message(QStringLiteral("Aucun fichier n'est sélectionné !"),
                      Dialogues::Icone::Exclamation);
            return;
        }
        rangDeplacement =
            d.Saisie(QStringLiteral("Indiquez à quel rang vous désirez déplacer ces fichiers. "),
                     QStringLiteral("Déplacement de fichier"));
        if (LireRang(rangDeplacement, liste->count()) == 0) {
            d.Message(QStringLiteral("Déplacement impossible !\nLe niveau du rang de déplacement "
                                     "n'est pas fixé, ou incorrect."),
                      Dialogues::Icone::Critique);
            return;
        }
    }
    const int rang = LireRang(rangDeplacement, liste->count());

    const QStringList noms = MarquerSources();
    FrmDeplace fenetre(d, QString::number(rang), &m_f);
    d.Executer(fenetre);
    OrdreDeplacement = fenetre.OrdreDeplacement();
    if (OrdreDeplacement == OrdresDeplacement::Aucun) {
        RetirerEtiquettes();
        return;
    }
    etat.ListeOccupee = true;
    Inserer(OrdreDeplacement, rang, noms);
    RetirerSources();
    DefinirSelection(liste, [&](int i) { return NomsFichiers::EstMarque(liste->item(i)->text()); });
    etat.ListeOccupee = false;
    m_f.marques().Demarquer();

    int index = liste->currentRow();
    if (index < liste->count() - 1)
        ++index;
    etat.IndexCourant = index;
    m_f.SelectionnerEntree(index);
}

void DeplacementRapide::mnuDeplaceFich_Click() {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    if (liste->selectedItems().isEmpty()) {
        p.dialogues.Message(QStringLiteral("Vous devez au préalable sélectionner le ou les "
                                           "fichiers à déplacer !"),
                            Dialogues::Icone::Information);
        m_f.TxtFileName->setFocus();
        m_f.menus().article(QStringLiteral("mnuCollerRep"))->setEnabled(false);
        m_f.menus().article(QStringLiteral("mnuCollerDos"))->setEnabled(false);
        return;
    }
    etat.OperationEnAttente = 0;
    m_f.marques().Marquer();
    m_f.marques().SelectionnerMarques();
    etat.FichiersADeplacer = MarquerSources();
    p.horloge.TraiterEvenements();
    // Nothing could be marked: there is nothing to wait for.
    if (!etat.FichiersADeplacer.isEmpty())
        etat.OperationEnAttente = 3;
}

void DeplacementRapide::TerminerDeplacementSousClic() {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    if (etat.OperationEnAttente != 3)
        return;
    // Cleared first: the selections below run the list's click handling again.
    etat.OperationEnAttente = 0;
    const int cible = liste->currentRow();
    const QStringList noms = etat.FichiersADeplacer;
    int sources = 0;
    int sourcesAuDessus = 0;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->data(ValeurEntree).toInt() == Source) {
            ++sources;
            if (i <= cible)
                ++sourcesAuDessus;
        }
    // The list was refilled since the move began: its entries are not the ones waiting.
    if (cible < 0 || sources != noms.size()) {
        RetirerEtiquettes();
        return;
    }

    etat.ListeOccupee = true;
    int choisie;
    if (liste->selectedItems().size() == 1) {
        bool nombre = false;
        const int rangAffiche = m_f.LblRang->text().trimmed().toInt(&nombre);
        choisie = nombre && rangAffiche > cible ? cible + 1 : cible;
    } else {
        choisie = cible + 1 - sourcesAuDessus;
    }
    Inserer(OrdresDeplacement::DessousDansOrdre, cible + 1, noms);
    m_f.plateforme().horloge.TraiterEvenements();
    m_f.marques().SelectionnerMarques();
    etat.ListeOccupee = true;
    RetirerSources();
    etat.ListeOccupee = false;
    m_f.marques().Demarquer();
    if (liste->count() > 0)
        m_f.SelectionnerEntree(std::clamp(choisie, 0, liste->count() - 1));
}

void DeplacementRapide::mnuDeplaceFichAide_Click() {
    Dialogues& d = m_f.plateforme().dialogues;
    d.Message(QStringLiteral("Il existe plusieurs façons (3) de déplacer un (ou des) fichier dans "
                             "une liste affichée, dans le but de la réorganiser.\n\n1- On peut, "
                             "après l'avoir sélectionné, déplacer un fichier vers le haut ou le "
                             "bas, en agissant sur les boutons marqués d'une flèche (en haut et à "
                             "droite)."),
              Dialogues::Icone::Information);
    d.Message(QStringLiteral("2- On peut sélectionner un ou plusieurs fichiers, les marquer à "
                             "l'aide du bouton [M], puis indiquer le numéro de rang du fichier où "
                             "on désire les déplacer (2 possibilités pour cela, à choisir dans les "
                             "options).\n\nOn clique ensuite sur le bouton [Déplacement rapide] "
                             "(en haut et à droite, sous les flèches, et vous aurez alors "
                             "plusieurs choix de déplacements."),
              Dialogues::Icone::Information);
    d.Message(QStringLiteral("3 - Enfin, on peut sélectionner un ou plusieurs fichiers, et faire "
                             "un click droit sur la sélecion.\n\nAprès appel du menu dédié, on "
                             "clique sur le fichier choisi au dessous duquel iront se déplacer "
                             "les fichiers sélectionnés.\n\nN'oubliez pas de faire une nouvelle "
                             "incrémentation après la réorganisation de vos fichiers !"),
              Dialogues::Icone::Information);
}

void DeplacementRapide::LstFF_MouseDown(Qt::MouseButton bouton, const QPoint& position) {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    MenusPhoto& menus = m_f.menus();
    etat.ListeOccupee = false;
    if (bouton == Qt::LeftButton) {
        menus.article(QStringLiteral("mnuCollerRep"))->setEnabled(false);
        menus.article(QStringLiteral("mnuCollerDos"))->setEnabled(false);
    }
    etat.IndexSouris = IndexAuPoint(position);
    if (!etat.IgnorerClicVide && bouton != Qt::RightButton && etat.IndexSouris >= liste->count()) {
        etat.ListeOccupee = true;
        liste->clearSelection();
        etat.ListeOccupee = false;
        m_f.listeFichiers().EffacerApercu();
        m_f.LblRang->clear();
        m_f.axBSel0->show();
        m_f.axBSel1->hide();
        m_f.ImgUp->hide();
        m_f.ImgDown->hide();
        etat.PasDePhoto = true;
        m_f.LblNonImage->hide();
        m_f.plateforme().horloge.TraiterEvenements();
    }
    etat.IgnorerClicVide = false;
    if (liste->selectedItems().size() > 1)
        etat.ApercuPret = true;
    if (bouton == Qt::RightButton && etat.ApercuPret) {
        QMenu& menu = *menus.mnuCopDepInvisible;
        const QPoint global = liste->viewport()->mapToGlobal(position);
        m_f.plateforme().dialogues.AfficherMenu(menu, global - QPoint(menu.sizeHint().width(), 0));
    }
}

void DeplacementRapide::LstFF_MouseMove(const QPoint& position) {
    if (!m_f.FenetreActivee())
        return;
    EtatProgramme& etat = m_f.etat();
    QListWidget* liste = m_f.LstFF;
    etat.IndexSouris = IndexAuPoint(position);
    const bool bulle = etat.options.BullesListe == 1 && etat.IndexSouris < liste->count();
    liste->setToolTip(bulle ? liste->item(etat.IndexSouris)->text() : QString());
}

bool DeplacementRapide::LstFF_Molette(int crans) {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    QList<int> sources;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->isSelected())
            sources.append(i);
    if (sources.size() < 2)
        return false;
    const auto cible =
        OrdresDeplacement::CibleMolette(liste->count(), sources, crans * etat.options.PasMolette);
    if (!cible)
        return true;
    etat.ListeOccupee = true;
    const QList<QListWidgetItem*> nouvelles = Inserer(cible->ordre, cible->rang, MarquerSources());
    RetirerSources();
    QSet<const QListWidgetItem*> deplacees(nouvelles.cbegin(), nouvelles.cend());
    DefinirSelection(liste, [&](int i) { return deplacees.contains(liste->item(i)); });
    liste->setCurrentItem(nouvelles.first(), QItemSelectionModel::NoUpdate);
    liste->scrollToItem(nouvelles.first());
    etat.IndexCourant = liste->currentRow();
    etat.ListeOccupee = false;
    return true;
}
