#include "miniatures.h"

#include "apercu.h"
#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "grilleminiatures.h"
#include "lecteurimages.h"
#include "listefichiers.h"
#include "menusphoto.h"
#include "nomillisible.h"
#include "nomsfichiers.h"
#include "plateforme.h"
#include "selectionliste.h"
#include "typesfichiers.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeView>

#include <cmath>

namespace G = GrilleMiniatures;

namespace {

// The labels' colours: the system's scroll-bar grey with black text, and the highlight.
const QColor FondNormal(212, 208, 200);
const QColor FondEclaire(150, 120, 90);
const QColor FondColonne(48, 48, 48);

// Design figures of the panel (pixels, relative to PctMere): the scroll bar on the right,
// the 169-pixel column centred in what is left, the labels across the column.
constexpr int LargeurVS = 17;
constexpr int GaucheColonne = 57;
constexpr int GaucheEtiquette = 2;
constexpr int LargeurEtiquette = 165;
constexpr int HauteurEtiquette = 17;

int arrondi(double v) {
    return int(std::lround(v));
}

void colorer(QWidget* w, const QColor& fond, const QColor& texte) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fond);
    p.setColor(QPalette::WindowText, texte);
    w->setPalette(p);
}

// The cell of a file that gives no picture.
QPixmap caseVide(QSize taille) {
    QPixmap p(taille);
    p.fill(QColor(70, 70, 70));
    QPainter peintre(&p);
    peintre.setPen(QColor(150, 150, 150));
    peintre.drawRect(p.rect().adjusted(0, 0, -1, -1));
    peintre.drawText(p.rect(), Qt::AlignCenter, QStringLiteral("?"));
    return p;
}

} // namespace

Miniatures::Miniatures(FrmPhoto& fenetre) : QObject(&fenetre), m_f(fenetre) {
    QWidget* mere = m_f.PctMere;
    colorer(mere, FondColonne, Qt::white);
    mere->setAutoFillBackground(true);
    PctImg = new QWidget(mere);
    PctImg->setObjectName(QStringLiteral("PctImg"));
    colorer(PctImg, FondColonne, Qt::white);
    PctImg->setAutoFillBackground(true);
    PctImg->installEventFilter(this);
    VS = new QScrollBar(Qt::Vertical, mere);
    VS->setObjectName(QStringLiteral("VS"));
    VS->setAccessibleName(QStringLiteral("Défilement des miniatures"));
    VS->setRange(0, 0);
    // VS_Change and VS_Scroll: the column follows the bar; the name box keeps the keys.
    connect(VS, &QScrollBar::valueChanged, this, [this](int valeur) {
        PctImg->move(PctImg->x(), -valeur);
        m_f.TxtFileName->setFocus();
    });
    Creer();
    ImgMin[0]->hide();
    LblMin[0]->hide();

    connect(m_f.CmdMin, &QPushButton::clicked, this, [this] { CmdMin_Click(); });
    // Captions follow the names the list's entries take (a commit, a mark).
    connect(m_f.LstFF->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& haut, const QModelIndex& bas) {
                for (int rang = haut.row(); rang <= bas.row(); ++rang)
                    if (const int k = Numero(rang))
                        LblMin[k]->setText(QLatin1Char(' ') + m_f.LstFF->item(rang)->text() +
                                           QStringLiteral("  "));
            });
    // A file type without thumbnails brings the list back through the type box: the text
    // overlay's item comes back with it, once the type box has done its part.
    connect(
        m_f.CboFileType, &QComboBox::currentIndexChanged, this,
        [this] {
            if (m_f.etat().modeAffichage == ModeAffichage::Liste)
                RendreOptTexte();
        },
        Qt::QueuedConnection);
    m_f.RendreDisponible(m_f.CmdMin);
}

void Miniatures::Creer() {
    const int k = int(ImgMin.size());
    auto* image = new QLabel(PctImg);
    image->setObjectName(QStringLiteral("ImgMin(%1)").arg(k));
    image->setScaledContents(true);
    image->setCursor(Qt::PointingHandCursor);
    image->installEventFilter(this);
    auto* etiquette = new QLabel(PctImg);
    etiquette->setObjectName(QStringLiteral("LblMin(%1)").arg(k));
    etiquette->setAutoFillBackground(true);
    QFont police = etiquette->font();
    police.setPointSize(8);
    etiquette->setFont(police);
    etiquette->setCursor(Qt::PointingHandCursor);
    etiquette->installEventFilter(this);
    colorer(etiquette, FondNormal, Qt::black);
    ImgMin.append(image);
    LblMin.append(etiquette);
}

void Miniatures::Disposer() {
    const Disposition& d = m_f.disposition();
    QWidget* mere = m_f.PctMere;
    const int largeurVS = arrondi(LargeurVS * d.EchelleX);
    VS->setGeometry(mere->width() - largeurVS, 0, largeurVS, mere->height());
    PctImg->setGeometry(arrondi(GaucheColonne * d.EchelleX), -VS->value(),
                        arrondi(G::LargeurColonne * d.EchelleX), PctImg->height());
    Agrandir(0);
}

int Miniatures::Numero(int rang) const {
    const int k = rang - m_f.etat().PremiereMiniature + 1;
    return rang >= 0 && k >= 1 && k <= NbMiniatures ? k : 0;
}

void Miniatures::Colorer(int k, bool eclaire) {
    if (k <= 0 || k >= LblMin.size())
        return;
    colorer(LblMin[k], eclaire ? FondEclaire : FondNormal, eclaire ? Qt::white : Qt::black);
    if (eclaire)
        m_eclaire = k;
    else if (m_eclaire == k)
        m_eclaire = 0;
}

void Miniatures::CmdMin_Click() {
    EtatProgramme& etat = m_f.etat();
    etat.IgnorerClicApercu = false;
    QAction* optTexte = m_f.menus().article(QStringLiteral("mnuOptTexte"));
    if (etat.modeAffichage == ModeAffichage::Liste) {
        m_f.CmdMin->setText(QStringLiteral("Liste"));
        etat.modeAffichage = ModeAffichage::Miniatures;
        m_f.PctMere->show();
        m_f.PctMere->raise();
        m_f.ImgUp->hide();
        m_f.ImgDown->hide();
        m_f.CmdRapide->hide();
        m_f.CmdInc->setEnabled(false);
        // The item comes back as it was with the list.
        m_optTexte = optTexte && optTexte->isEnabled();
        if (optTexte)
            optTexte->setEnabled(false);
        m_f.Txt->clear();
        m_f.Txt->setEnabled(false);
        m_f.Txt->setText(QStringLiteral("TEXTE  à  INCRUSTER"));
        Charge_Miniatures();
        return;
    }
    m_f.CmdMin->setText(QStringLiteral("Miniatures"));
    etat.modeAffichage = ModeAffichage::Liste;
    m_f.PctMere->hide();
    m_f.CmdRapide->show();
    const int nombre = m_f.LstFF->count();
    m_f.CmdInc->setEnabled(nombre > 0);
    RendreOptTexte();
    Vide_Miniatures();
    // Next and previous in the list go from its first entry to its last again.
    etat.PremiereMiniature = 0;
    etat.DerniereMiniature = nombre - 1;
    const int type = m_f.CboFileType->currentIndex();
    if (!(TypesFichiers::EstSon(type) || type == TypesFichiers::ParChaine))
        m_f.apercu().Charge_images();
    m_f.plateforme().horloge.TraiterEvenements();
    if (m_f.LstFF->count() > 0)
        m_f.SelectionnerEntree(0);
}

void Miniatures::RendreOptTexte() {
    if (QAction* optTexte = m_f.menus().article(QStringLiteral("mnuOptTexte"));
        optTexte && m_optTexte)
        optTexte->setEnabled(true);
    m_optTexte = false;
}

void Miniatures::RetourListe() {
    if (m_f.etat().modeAffichage == ModeAffichage::Miniatures)
        CmdMin_Click();
    else
        m_f.etat().ListeOccupee = false;
}

DemandeImage Miniatures::Demande(const QString& nom) const {
    const Disposition& d = m_f.disposition();
    const double largeur = arrondi(G::LargeurImage * d.EchelleX);
    const double hauteur = arrondi(G::HauteurImage * d.EchelleY);
    const double ratio = m_f.devicePixelRatioF();
    DemandeImage demande;
    demande.chemin = m_f.etat().RepertoireOuvert + nom;
    demande.cle = QStringLiteral("miniature %1x%2 %3").arg(largeur).arg(hauteur).arg(ratio);
    demande.miniatureExif = true;
    // The size of the file only chooses between two reductions that fit the cell alike.
    demande.tailleVoulue = [largeur, hauteur, ratio](QSize s) {
        const QSizeF reduite = G::TailleReduite(s.width(), s.height(), 0);
        return (TailleAffichee(reduite.width(), reduite.height(), largeur, hauteur) * ratio)
            .toSize();
    };
    return demande;
}

void Miniatures::Charge_Miniatures() {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    QListWidget* liste = m_f.LstFF;
    const int nombre = liste->count();
    if (m_chargement)
        return;
    // An empty folder shows no thumbnail, not those of the folder before.
    if (nombre == 0) {
        Vide_Miniatures();
        return;
    }
    etat.PremiereMiniature = 0;
    etat.DerniereMiniature = nombre - 1;
    etat.ListeOccupee = true;
    DefinirSelection(liste, [](int) { return false; });
    if (nombre > G::Maximum) {
        d.Message(QStringLiteral("Le programme ne permet d'afficher que 145 miniatures   :o("),
                  Dialogues::Icone::Information);
        const G::NumeroDepart n = G::LireNumeroDepart(
            d.Saisie(QStringLiteral("A partir de quel numéro voulez-vous réaliser l'affichage ?"),
                     QStringLiteral("Miniatures")),
            nombre);
        if (n.issue == G::NumeroDepart::ErreurSaisie)
            d.Message(QStringLiteral("Erreur de saisie !"), Dialogues::Icone::Critique);
        if (n.premiereEstUn)
            d.Message(QStringLiteral("La première photo est la numéro 1 !"),
                      Dialogues::Icone::Critique);
        if (n.issue == G::NumeroDepart::TropGrand)
            d.Message(
                QStringLiteral("Ce numéro est supérieur au nombre de fichiers dans le dossier !"),
                Dialogues::Icone::Information);
        if (n.issue != G::NumeroDepart::Accepte) {
            RetourListe();
            return;
        }
        etat.PremiereMiniature = n.premiere;
    }
    // The cells of an earlier build are used again.
    Vide_Miniatures();
    etat.ListeOccupee = true;
    m_f.apercu().ViderApercu();
    m_f.CmdMin->setEnabled(false);
    m_f.LblTaille->hide();
    m_f.setCursor(Qt::WaitCursor);
    VS->setValue(0);
    const int reste = nombre - etat.PremiereMiniature;
    etat.DerniereMiniature = std::min(reste, G::Maximum) - 1;
    m_f.Prg->setMaximum(std::max(1, etat.DerniereMiniature));
    m_f.Prg->setValue(0);
    m_f.LblDirName->hide();
    m_f.PctCharge->show();
    m_f.PctCharge->raise();
    m_chargement = true;
    qApp->installEventFilter(this);
    p.horloge.TraiterEvenements();

    // Every picture is asked for at once; the workers take them in list order.
    const int total = etat.DerniereMiniature + 1;
    LecteurImages& lecteur = m_f.apercu().lecteur();
    QStringList noms;
    QList<LecteurImages::Ticket> tickets;
    for (int i = 0; i < total; ++i) {
        noms.append(liste->item(etat.PremiereMiniature + i)->text());
        tickets.append(lecteur.Lancer(Demande(noms.last())));
    }
    Disposer();
    QElapsedTimer affichage;
    affichage.start();
    for (int i = 0; i < total; ++i) {
        Placer(i, noms[i], lecteur.Resultat(tickets[i]));
        tickets[i].reset();
        m_f.Prg->setValue(i);
        m_f.LblN->setText(QString::number(i + 1));
        // The window repaints twenty times a second, not once a thumbnail; the column
        // grows as it does.
        if (affichage.elapsed() >= 50 || i == total - 1) {
            Agrandir(i + 1);
            p.horloge.TraiterEvenements();
            affichage.restart();
        }
    }
    m_f.PctCharge->hide();
    qApp->removeEventFilter(this);
    m_chargement = false;

    NbMiniatures = total;
    m_f.LblTaille->show();
    const G::Pas pas = G::PasDefilement(PctImg->height(), total);
    VS->setPageStep(std::max(1, pas.grand));
    VS->setSingleStep(std::max(1, pas.petit));
    VS->setValue(0);
    m_f.CmdMin->setEnabled(true);
    etat.ListeOccupee = false;
    m_f.unsetCursor();
    m_f.LblDirName->show();
    if (etat.modeAffichage == ModeAffichage::Miniatures)
        m_f.SelectionnerEntree(etat.PremiereMiniature);
}

void Miniatures::Placer(int i, const QString& nom, const std::optional<ImageLue>& lue) {
    const Disposition& d = m_f.disposition();
    const int k = i + 1;
    while (ImgMin.size() <= k)
        Creer();
    QLabel* image = ImgMin[k];
    QLabel* etiquette = LblMin[k];
    QRectF cadre;
    if (lue) {
        cadre = G::CadreImage(
            i, G::TailleReduite(lue->taille.width(), lue->taille.height(), lue->octets), d.EchelleX,
            d.EchelleY);
        QPixmap pixmap = QPixmap::fromImage(lue->image);
        pixmap.setDevicePixelRatio(m_f.devicePixelRatioF());
        image->setPixmap(pixmap);
    } else {
        cadre = G::CadreImage(i, QSizeF(G::LargeurImage, G::HauteurImage), d.EchelleX, d.EchelleY);
        image->setPixmap(caseVide(cadre.size().toSize()));
    }
    image->setGeometry(cadre.toRect());
    image->setProperty("tag", m_f.etat().PremiereMiniature + i);
    image->setToolTip(nom);
    etiquette->setGeometry(
        arrondi(GaucheEtiquette * d.EchelleX), arrondi(cadre.top() + cadre.height() + 3),
        arrondi(LargeurEtiquette * d.EchelleX), arrondi(HauteurEtiquette * d.EchelleY));
    etiquette->setText(QLatin1Char(' ') + nom + QStringLiteral("  "));
    image->show();
    etiquette->show();
}

void Miniatures::Agrandir(int nombre) {
    const double ey = m_f.disposition().EchelleY;
    PctImg->resize(PctImg->width(), G::HauteurColonne(nombre, ey));
    VS->setMaximum(G::Etendue(PctImg->height(), ey));
}

void Miniatures::Vide_Miniatures() {
    EtatProgramme& etat = m_f.etat();
    etat.ListeOccupee = true;
    m_f.apercu().ViderApercu();
    DeselectionnerAvant(m_f.LstFF, NbMiniatures);
    Colorer(m_eclaire, false);
    for (int k = 1; k < ImgMin.size(); ++k) {
        ImgMin[k]->hide();
        ImgMin[k]->clear();
        LblMin[k]->hide();
    }
    etat.ListeOccupee = false;
    NbMiniatures = 0;
    MiniatureChoisie = 0;
    VS->setValue(0);
    Disposer();
}

void Miniatures::ImgMin_Click(int k) {
    QListWidget* liste = m_f.LstFF;
    MiniatureChoisie = k;
    const int tag = ImgMin[k]->property("tag").toInt();
    if (tag == liste->currentRow() && SeulSelectionne(liste) == tag)
        return;
    EtatProgramme& etat = m_f.etat();
    etat.ListeOccupee = true;
    DefinirSelection(liste, [](int) { return false; });
    Colorer(m_eclaire, false);
    etat.ListeOccupee = false;
    Colorer(k, true);
    if (tag >= 0 && tag < liste->count())
        m_f.SelectionnerEntree(tag);
}

void Miniatures::ImgMin_SupprimerFichier(int k) {
    // The file asked about is the one under the pointer: its thumbnail is chosen first.
    ImgMin_Click(k);
    Plateforme& p = m_f.plateforme();
    Dialogues& d = p.dialogues;
    const int rang = SeulSelectionne(m_f.LstFF);
    if (rang < 0)
        return;
    const QString nom = m_f.LstFF->item(rang)->text();
    if (NomsFichiers::EstIllisible(nom)) {
        SignalerNomIllisible(d, nom);
        return;
    }
    const QString chemin = m_f.etat().RepertoireOuvert + nom;
    if (d.Message(QStringLiteral("Supprimer ") + chemin + QStringLiteral(" ?"),
                  Dialogues::Icone::Question, Dialogues::Boutons::OuiNon,
                  1) != Dialogues::Reponse::Oui)
        return;
    m_f.Stop_son();
    if (const Resultat r = p.fichiers.MettreCorbeille(chemin); !r) {
        d.Message(QStringLiteral("Ce fichier n'a pas pu être mis à la corbeille :\n%1\n%2\n"
                                 "Suppression impossible !")
                      .arg(chemin, r.message),
                  Dialogues::Icone::Information);
        return;
    }
    m_f.listeFichiers().CmdRefresh_Click();
}

void Miniatures::RendreVisible(int k) {
    if (k <= 0)
        return;
    const double ey = m_f.disposition().EchelleY;
    const int haut = arrondi((k - 1) * G::HauteurCellule * ey);
    const int bas = arrondi(k * G::HauteurCellule * ey);
    const int cadre = m_f.PctMere->height();
    if (haut < VS->value())
        VS->setValue(haut);
    else if (bas > VS->value() + cadre)
        VS->setValue(bas - cadre);
}

void Miniatures::SuivreEntree(int rang) {
    if (m_f.etat().modeAffichage != ModeAffichage::Miniatures || NbMiniatures == 0)
        return;
    const int k = Numero(rang);
    if (k == m_eclaire)
        return;
    Colorer(m_eclaire, false);
    if (k == 0)
        return;
    Colorer(k, true);
    MiniatureChoisie = k;
    RendreVisible(k);
}

void Miniatures::DefilerVoisin(int ancien, int pas) {
    if (m_f.etat().modeAffichage != ModeAffichage::Miniatures || NbMiniatures == 0)
        return;
    VS->setValue(G::DefilementVoisin(VS->maximum(), NbMiniatures, Numero(ancien), ancien));
    RendreVisible(Numero(ancien + pas));
}

void Miniatures::DefilerDiaporama(int rang) {
    const int k = Numero(rang);
    if (m_f.etat().modeAffichage != ModeAffichage::Miniatures || k == 0)
        return;
    VS->setValue(G::DefilementDiaporama(k - 1, VS->pageStep(), VS->maximum()));
    RendreVisible(k);
}

bool Miniatures::FiltrerPendantChargement(QObject* objet, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        break;
    default:
        return false;
    }
    auto* w = qobject_cast<QWidget*>(objet);
    if (!w || w->window() != &m_f)
        return false;
    // The column may be scrolled while it fills.
    if (w == VS || (event->type() == QEvent::Wheel && m_f.PctMere->isAncestorOf(w)))
        return false;
    const bool dossier = w == m_f.DirDirectory || m_f.DirDirectory->isAncestorOf(w) ||
                         w == m_f.DrvDrive || w == m_f.axBRetour || w == m_f.axBSuivant;
    if (dossier && event->type() == QEvent::MouseButtonPress)
        m_f.plateforme().dialogues.Message(
            QStringLiteral("N'ouvrez pas de nouveau dossier pendant le chargement des images."),
            Dialogues::Icone::Critique);
    return true;
}

bool Miniatures::eventFilter(QObject* objet, QEvent* event) {
    if (m_chargement && FiltrerPendantChargement(objet, event))
        return true;
    if (event->type() == QEvent::Wheel &&
        (objet == PctImg || PctImg->isAncestorOf(qobject_cast<QWidget*>(objet)))) {
        QCoreApplication::sendEvent(VS, event);
        return true;
    }
    const bool appui = event->type() == QEvent::MouseButtonPress;
    if (!appui && event->type() != QEvent::MouseButtonRelease)
        return false;
    // A cell is its picture and its caption.
    auto* cellule = qobject_cast<QLabel*>(objet);
    const int k = std::max(int(ImgMin.indexOf(cellule)), int(LblMin.indexOf(cellule)));
    if (k <= 0)
        return false;
    auto* souris = static_cast<QMouseEvent*>(event);
    if (appui) {
        m_presse = souris->button() == Qt::LeftButton ? k : 0;
        if (souris->button() == Qt::RightButton)
            ImgMin_SupprimerFichier(k);
        return true;
    }
    if (souris->button() == Qt::LeftButton) {
        const bool clic = m_presse == k && cellule->rect().contains(souris->position().toPoint());
        m_presse = 0;
        if (clic)
            ImgMin_Click(k);
        return true;
    }
    return false;
}
