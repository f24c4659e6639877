#include "apercuphoto.h"

#include "editeurs.h"
#include "gestionfichiers.h"

#include "apercu.h"
#include "datefichier.h"
#include "deplacementpas.h"
#include "diaporama.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "frmzoom.h"
#include "lecteurimages.h"
#include "listefichiers.h"
#include "menusphoto.h"
#include "miniatures.h"
#include "nomsfichiers.h"
#include "panneauson.h"
#include "plateforme.h"
#include "selectionliste.h"
#include "typesfichiers.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

bool finitPar(const QString& nom, std::initializer_list<const char*> fins) {
    for (const char* fin : fins)
        if (nom.endsWith(QLatin1String(fin), Qt::CaseInsensitive))
            return true;
    return false;
}

bool estSon(const QString& nom) {
    return finitPar(nom, {"mp3", "wav", "mid"});
}

const QString TexteIncrustation = QStringLiteral("TEXTE  à  INCRUSTER");

} // namespace

ApercuPhoto::ApercuPhoto(FrmPhoto& fenetre) : m_f(fenetre) {}

ApercuPhoto::~ApercuPhoto() = default;

void ApercuPhoto::Brancher() {
    m_miniatures = std::make_unique<Miniatures>(m_f);
    m_diaporama = std::make_unique<Diaporama>(m_f);
    for (QRadioButton* option : {m_f.OptZ0, m_f.OptZ1})
        QObject::connect(option, &QRadioButton::clicked, option, [this] {
            m_f.etat().ZoomARecalculer = true;
            m_f.TxtFileName->setFocus();
        });
    QObject::connect(m_f.menus().article(QStringLiteral("mnuRens")), &QAction::triggered, &m_f,
                     [this] {
                         if (m_zoom)
                             m_zoom->Afficher_Infos_Zoom();
                     });
}

FrmZoom& ApercuPhoto::Zoom() {
    if (!m_zoom) {
        m_zoom = new FrmZoom(m_f);
        // The programs the user registered follow the desktop's one (entry 0, the window's own),
        // as in the preview's menu.
        m_zoom->RemplirEditeurs = [this](QMenu& menu, const QString& fichier) {
            Editeurs& editeurs = m_f.gestionFichiers().editeurs();
            for (int k = 1; k <= editeurs.NbEditeurs(); ++k) {
                QAction* a = menu.addAction(editeurs.Liste()[k - 1].nom);
                a->setObjectName(QStringLiteral("mnuOuvrir(%1)").arg(k));
                QObject::connect(a, &QAction::triggered, &menu,
                                 [&editeurs, k, fichier] { editeurs.Lancer(k, fichier); });
            }
        };
    }
    return *m_zoom;
}

namespace {

DemandeImage demande(const QString& chemin, const QString& genre, QSize cadre, bool remplir,
                     double ratio) {
    DemandeImage d;
    d.chemin = chemin;
    d.cle = QStringLiteral("%1 %2x%3 %4 %5")
                .arg(genre)
                .arg(cadre.width())
                .arg(cadre.height())
                .arg(remplir)
                .arg(ratio);
    d.tailleVoulue = [cadre, remplir, ratio](QSize s) {
        return (TailleAffichee(s.width(), s.height(), cadre.width(), cadre.height(), remplir) *
                ratio)
            .toSize();
    };
    return d;
}

} // namespace

DemandeImage ApercuPhoto::DemandeApercu(const QString& nom) const {
    return demande(m_f.etat().RepertoireOuvert + nom, QStringLiteral("apercu"),
                   m_f.CadreApercu().size(), false, m_f.devicePixelRatioF());
}

DemandeImage ApercuPhoto::DemandeEcran(const QString& nom) {
    return demande(m_f.etat().RepertoireOuvert + nom, QStringLiteral("ecran"), Zoom().Ecran(),
                   m_f.OptZ1->isChecked(), m_f.devicePixelRatioF());
}

void ApercuPhoto::OuvrirAgrandissement() {
    EtatProgramme& etat = m_f.etat();
    if (etat.PasDePhoto || !EntreeAffichee.isValid())
        return;
    FrmZoom& zoom = Zoom();
    if (etat.ZoomARecalculer || m_zoomPerime || zoom.NomAjuste() != NomInitial) {
        etat.ZoomARecalculer = false;
        if (!zoom.Ajuster(NomInitial))
            return;
        m_zoomPerime = false;
    }
    zoom.Afficher_Infos_Zoom();
    m_f.plateforme().dialogues.Executer(zoom);
}

void ApercuPhoto::Prechercher(int rang) {
    QListWidget* liste = m_f.LstFF;
    for (const int r : {rang + 1, rang - 1}) {
        if (r < 0 || r >= liste->count())
            continue;
        const QString nom = liste->item(r)->text();
        if (estSon(nom) || NomsFichiers::EstIllisible(nom))
            continue;
        m_lecteur.Prechercher(DemandeApercu(nom));
        if (m_zoom && m_zoom->isVisible())
            m_lecteur.Prechercher(DemandeEcran(nom));
    }
}

void ApercuPhoto::ViderApercu() {
    m_f.Img0->clear();
    m_f.Img0->setFrameShape(QFrame::NoFrame);
}

void ApercuPhoto::MettreAJourBoutonsSelection(bool plusieurs) {
    m_f.axBSel1->setVisible(plusieurs);
    m_f.axBSel0->setVisible(!plusieurs);
}

void ApercuPhoto::LstFF_Click() {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    QListWidget* liste = m_f.LstFF;
    etat.RotationEnCours = false;
    etat.QuartsAGauche = 0;
    etat.ApercuPret = false;

    const int nombre = NombreSelectionnes(liste);
    if (nombre == 0)
        return;
    if (nombre >= 2) {
        etat.ListeOccupee = true;
        EntreeAffichee = QPersistentModelIndex();
        ViderApercu();
        m_f.TxtFileName->clear();
        MettreAJourBoutonsSelection(true);
        m_f.ImgUp->hide();
        m_f.ImgDown->hide();
        m_f.LblTaille->clear();
        m_f.LblRang->clear();
        m_f.LstFF->setFocus();
        etat.PasDePhoto = true;
        return;
    }
    if (etat.ListeOccupee || !m_f.FenetreActivee())
        return;

    // The one selected entry drives the name box, the picture and the commit: the list's
    // current entry follows it (a Ctrl-click may have left it on another).
    const int selectionne = SeulSelectionne(liste);
    if (liste->currentRow() != selectionne)
        liste->selectionModel()->setCurrentIndex(liste->model()->index(selectionne, 0),
                                                 QItemSelectionModel::NoUpdate);
    const QPersistentModelIndex entree(liste->model()->index(selectionne, 0));
    const QString nom = entree.data().toString();
    // The events let through below may refill the list or select another entry, whose own
    // handling then runs: this one stops as soon as its entry is no longer the one selected.
    auto toujours = [&] {
        return entree.isValid() && SeulSelectionne(liste) == entree.row() &&
               entree.data().toString() == nom;
    };

    p.horloge.TraiterEvenements();
    if (!toujours())
        return;
    if (etat.OperationEnAttente != 3) {
        m_f.LblRang->setText(QString::number(entree.row() + 1));
        etat.IndexCourant = entree.row();
    }
    if (etat.modeAffichage == ModeAffichage::Liste) {
        m_f.CmdRapide->show();
        m_f.deplacementPas().Affiche_Fleches();
    }

    if (finitPar(nom, {"bmp", "jpg", "jpeg", "gif"})) {
        m_f.ChkIns->setEnabled(etat.modeAffichage == ModeAffichage::Liste);
    } else {
        m_f.ChkIns->setChecked(false);
        m_f.ChkIns->setEnabled(false);
    }
    m_f.Txt->setText(TexteIncrustation);

    NomInitial = nom;
    EntreeAffichee = entree;
    if (m_miniatures)
        m_miniatures->SuivreEntree(entree.row());
    m_f.LblTaille->clear();
    m_f.TxtFileName->clear();
    ViderApercu();
    m_f.Stop_son();
    m_f.listeFichiers().CheminFichier();
    p.horloge.TraiterEvenements();
    if (!toujours())
        return;
    if (!NomsFichiers::EstMarque(nom))
        MettreAJourBoutonsSelection(false);

    if (etat.AfficherApercu) {
        m_f.TxtFileName->setText(nom);
        m_f.TxtFileName->setFocus();
        p.horloge.TraiterEvenements();
        if (!toujours())
            return;
        if (estSon(nom)) {
            m_f.LblNonImage->hide();
            m_f.son().Preparer(nom);
            if (!toujours())
                return;
        } else {
            m_f.son().AucunSon();
            if (!nom.endsWith(QLatin1String("gif"), Qt::CaseInsensitive))
                m_f.Img0->setFrameShape(QFrame::Box);
            AfficherPhoto(nom);
        }
        m_f.TxtFileName->setFocus();
        // The enlarged view always holds the picture shown: at once while it is open, at its
        // next opening otherwise.
        if (!etat.ZoomARecalculer) {
            if (m_zoom && m_zoom->isVisible())
                m_zoom->Ajuster(etat.PasDePhoto ? QString() : nom);
            else
                m_zoomPerime = true;
        }
        if (m_zoom)
            m_zoom->Afficher_Infos_Zoom();
        Prechercher(entree.row());
        m_f.Preselectionner();
        etat.ApercuPret = true;
    }

    if (etat.OperationEnAttente == 3 && m_f.TerminerDeplacementSousClic)
        m_f.TerminerDeplacementSousClic();
    else
        etat.OperationEnAttente = 0;
}

bool ApercuPhoto::AfficherPhoto(const QString& nom) {
    EtatProgramme& etat = m_f.etat();
    m_f.Img0->setCursor(Qt::PointingHandCursor);
    m_f.OptZ0->setEnabled(true);
    m_f.OptZ1->setEnabled(true);
    if (m_f.ChkIns->isChecked())
        m_f.Txt->setEnabled(true);

    const QRect cadre = m_f.CadreApercu();
    etat.PasDePhoto = false;
    m_f.LblNonImage->hide();
    const QString chemin = etat.RepertoireOuvert + nom;
    const auto lue = nom.isEmpty() ? std::nullopt : m_lecteur.Lire(DemandeApercu(nom));
    if (!lue) {
        EchecAffichage(nom);
        return false;
    }
    etat.LargeurPhoto = lue->taille.width();
    etat.HauteurPhoto = lue->taille.height();
    etat.RapportPhoto = float(etat.LargeurPhoto) / float(etat.HauteurPhoto);
    const QSizeF taille =
        TailleAffichee(etat.LargeurPhoto, etat.HauteurPhoto, cadre.width(), cadre.height());
    etat.DatePhoto = LireDateExifFichier(chemin).DatePhoto;
    m_f.LblTaille->setText(
        LigneInformations(lue->octets, etat.LargeurPhoto, etat.HauteurPhoto, etat.DatePhoto));
    m_f.Img0->setScaledContents(true);
    QPixmap image = QPixmap::fromImage(lue->image);
    image.setDevicePixelRatio(m_f.devicePixelRatioF());
    m_f.Img0->setPixmap(image);
    const QRectF place =
        CadreCentre(2.0 * cadre.x() + cadre.width(), 2.0 * cadre.y() + cadre.height(), taille);
    m_f.Img0->setGeometry(place.toRect());
    m_f.Img0->raise();
    // The rotate and resize commands check the selection themselves; they are offered
    // whenever a picture is shown, once they exist.
    m_f.axBPivoter->setVisible(m_f.Disponible(m_f.axBPivoter));
    m_f.axBRedimensionner->setVisible(m_f.Disponible(m_f.axBRedimensionner));
    return true;
}

void ApercuPhoto::EchecAffichage(const QString& nom) {
    m_f.Img0->clear();
    if (!estSon(nom)) {
        if (m_f.LstFF->count() > 0)
            m_f.LblNonImage->show();
        m_f.Img0->setFrameShape(QFrame::NoFrame);
    }
    m_f.Img0->unsetCursor();
    m_f.OptZ0->setEnabled(false);
    m_f.OptZ1->setEnabled(false);
    m_f.ChkIns->setChecked(false);
    m_f.ChkIns->setEnabled(false);
    m_f.Txt->setEnabled(false);
    m_f.axBPivoter->hide();
    m_f.axBRedimensionner->hide();
    m_f.etat().PasDePhoto = true;
}

void ApercuPhoto::LstFF_DblClick() {
    EtatProgramme& etat = m_f.etat();
    if (!etat.PasDePhoto) {
        OuvrirAgrandissement();
        return;
    }
    QListWidgetItem* courant = m_f.LstFF->currentItem();
    if (!courant)
        return;
    const QString nom = courant->text();
    for (const char* fin : {"jpeg", ".jpg", ".bmp", ".gif", ".png"})
        if (nom.endsWith(QLatin1String(fin)))
            return;
    m_f.plateforme().shell.Ouvrir(etat.RepertoireOuvert + nom);
}

void ApercuPhoto::Img_MouseDown(QMouseEvent* event) {
    EtatProgramme& etat = m_f.etat();
    if (etat.IgnorerClicApercu) {
        etat.IgnorerClicApercu = false;
        return;
    }
    if (event->button() == Qt::RightButton) {
        MenusPhoto& menus = m_f.menus();
        const QStringList caches{QStringLiteral("mnuChoisir"), QStringLiteral("mnuSupp")};
        QList<QAction*> articles;
        for (const QString& n : caches)
            articles.append(menus.article(n));
        // The separator under them goes too.
        const QList<QAction*> tous = menus.mnuEdit->actions();
        if (tous.size() > 2)
            articles.append(tous.at(2));
        for (QAction* a : articles)
            a->setVisible(false);
        m_f.plateforme().dialogues.AfficherMenu(*menus.mnuEdit, event->globalPosition().toPoint());
        for (QAction* a : articles)
            a->setVisible(true);
    } else if (event->button() == Qt::LeftButton) {
        OuvrirAgrandissement();
    }
}

void ApercuPhoto::Img_MouseMove() {
    if (!m_f.etat().PasDePhoto) {
        m_f.Img0->setToolTip(QStringLiteral(
            " Click gauche pour agrandir la photo ; click droit pour 'éditer dans ...' "));
        if (m_f.OptZ0->isChecked() || m_f.OptZ1->isChecked())
            m_f.Img0->setCursor(m_f.OptZ0->isChecked() ? Qt::PointingHandCursor : Qt::CrossCursor);
    } else {
        m_f.Img0->unsetCursor();
        m_f.Img0->setToolTip(QString());
    }
}

void ApercuPhoto::Charge_images() {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    const int nombre = m_f.LstFF->count();
    if (nombre == 0)
        return;
    m_f.LblDirName->hide();
    m_f.Prg->setMaximum(nombre > 1 ? nombre - 1 : 1);
    m_f.Prg->setValue(0);
    m_f.PctCharge->show();
    m_f.PctCharge->raise();
    for (int i = 0; i < nombre; ++i) {
        p.horloge.TraiterEvenements();
        if (etat.ArretChargement || i >= m_f.LstFF->count()) {
            m_f.LblDirName->show();
            m_f.PctCharge->hide();
            return;
        }
        p.horloge.Pause(
            PauseChargement(QFileInfo(etat.RepertoireOuvert + m_f.LstFF->item(i)->text()).size()));
        m_f.Prg->setValue(i);
        m_f.LblN->setText(QString::number(i + 1));
        m_f.LblN->repaint();
    }
    if (m_f.Prg->value() == m_f.Prg->maximum() || nombre == 1)
        m_f.PctCharge->hide();
    m_f.LblDirName->show();
}
