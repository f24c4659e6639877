#include "frmzoom.h"

#include "apercu.h"
#include "apercuphoto.h"
#include "diaporama.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "lecteurimages.h"
#include "loupe.h"
#include "marques.h"
#include "menusphoto.h"
#include "miniatures.h"
#include "plateforme.h"
#include "resultatsretouche.h"

#include <QActionGroup>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <cmath>

// ImgZ: the picture stretched to the widget, which the magnifier makes larger than the
// screen. Only the part on the screen is painted, from the whole picture once it is there.
class ImageZoom : public QWidget {
public:
    using QWidget::QWidget;
    void Definir(const QImage& ecran) {
        m_ecran = ecran;
        m_entiere = QImage();
        update();
    }
    void DefinirEntiere(const QImage& entiere) {
        m_entiere = entiere;
        update();
    }
    void Vider() { Definir(QImage()); }
    bool AEntiere() const { return !m_entiere.isNull(); }
    bool Vide() const { return m_ecran.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override {
        const QImage& source = m_entiere.isNull() ? m_ecran : m_entiere;
        if (source.isNull())
            return;
        QPainter p(this);
        p.setClipRegion(event->region());
        if (source.size() == size()) {
            p.drawImage(0, 0, source);
            return;
        }
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        // Only the part exposed is drawn: the rest of an enlarged picture is off the screen.
        const QRectF vu = QRectF(event->rect()).intersected(QRectF(rect()));
        const double kx = double(source.width()) / width();
        const double ky = double(source.height()) / height();
        const QRectF part(vu.x() * kx, vu.y() * ky, vu.width() * kx, vu.height() * ky);
        p.drawImage(vu, source, part);
    }

private:
    QImage m_ecran;
    QImage m_entiere;
};

FrmZoom::FrmZoom(FrmPhoto& principale)
    : QDialog(&principale, Qt::Dialog | Qt::FramelessWindowHint), m_f(principale) {
    setObjectName(QStringLiteral("FrmZoom"));
    setWindowTitle(QStringLiteral("Agrandissement"));
    setModal(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qt::black);
    setPalette(fond);
    setAutoFillBackground(true);

    m_image = new ImageZoom(this);
    ImgZ = m_image;
    ImgZ->setObjectName(QStringLiteral("ImgZ"));
    ImgZ->installEventFilter(this);
    ImgZ->setAccessibleName(QStringLiteral("Photo agrandie"));

    LblTitre = new QLabel(this);
    LblTitre->setObjectName(QStringLiteral("LblTitre"));
    LblTitre->setAttribute(Qt::WA_TransparentForMouseEvents);
    LblTitre->setContentsMargins(8, 4, 8, 4);
    LblTitre->hide();

    auto fleche = [this](const QString& nom, const QString& glyphe, const QString& bulle) {
        auto* b = new QToolButton(this);
        b->setObjectName(nom);
        b->setText(glyphe);
        b->setToolTip(bulle);
        b->setAccessibleName(bulle);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(true);
        b->setStyleSheet(QStringLiteral("QToolButton { color: rgb(220,220,220); font-size: 14px; "
                                        "background: rgba(60,60,60,160); border: none; }"));
        b->resize(27, 21);
        // Pressed, the arrow moves a pixel right and down.
        connect(b, &QToolButton::pressed, b, [b] { b->move(b->pos() + QPoint(1, 1)); });
        connect(b, &QToolButton::released, b, [b] { b->move(b->pos() - QPoint(1, 1)); });
        return b;
    };
    ImgAv =
        fleche(QStringLiteral("ImgAv"), QStringLiteral("◀"), QStringLiteral("Image précédente"));
    ImgAp = fleche(QStringLiteral("ImgAp"), QStringLiteral("▶"), QStringLiteral("Image suivante"));
    connect(ImgAp, &QToolButton::clicked, this, [this] { ImgAp_Click(); });
    connect(ImgAv, &QToolButton::clicked, this, [this] { ImgAv_Click(); });

    CreerMenu();
    const QSize ecran = Ecran();
    setFixedSize(ecran);
    const QScreen* s = QGuiApplication::primaryScreen();
    move(s ? s->geometry().topLeft() : QPoint());
}

FrmZoom::~FrmZoom() = default;

void FrmZoom::CreerMenu() {
    mnuInv = new QMenu(QStringLiteral("Inv"), this);
    mnuInv->setObjectName(QStringLiteral("mnuInv"));
    auto ajouter = [this](QMenu* menu, const QString& nom, const QString& legende) {
        QAction* a = menu->addAction(legende);
        a->setObjectName(nom);
        return a;
    };
    connect(
        ajouter(mnuInv, QStringLiteral("mnuQuitter"),
                QStringLiteral("Quitter                                                     Esc")),
        &QAction::triggered, this, &QDialog::reject);
    mnuInv->addSeparator();
    QMenu* taux = mnuInv->addMenu(QStringLiteral("Taux d'agrandissement du zoom"));
    taux->setObjectName(QStringLiteral("mnuzoom"));
    taux->menuAction()->setObjectName(QStringLiteral("mnuzoom"));
    auto* groupe = new QActionGroup(this);
    const QStringList legendes{QStringLiteral("2"), QStringLiteral("2,5"), QStringLiteral("3"),
                               QStringLiteral("3,5"), QStringLiteral("4")};
    for (int i = 0; i < legendes.size(); ++i) {
        QAction* a = ajouter(taux, QStringLiteral("mnuZ(%1)").arg(i), legendes[i]);
        a->setCheckable(true);
        a->setActionGroup(groupe);
        connect(a, &QAction::triggered, this, [this, i] { mnuZ_Click(i); });
    }
    mnuInv->addSeparator();
    QAction* debut =
        ajouter(mnuInv, QStringLiteral("mnuDebutDiap"), QStringLiteral("Début du diaporama"));
    QAction* fin =
        ajouter(mnuInv, QStringLiteral("mnuFinDiap"), QStringLiteral("Fin du diaporama"));
    connect(debut, &QAction::triggered, this, [this] { m_f.apercu().diaporama().Demarrer(false); });
    connect(fin, &QAction::triggered, this, [this] { m_f.apercu().diaporama().Arreter(false); });
    mnuInv->addSeparator();
    connect(ajouter(mnuInv, QStringLiteral("mnuOuvrir(0)"),
                    QStringLiteral("Editer le fichier dans l'éditeur par défaut")),
            &QAction::triggered, this, [this] { mnuOuvrir_Click(); });
    mnuZ_Click(0);
    DefinirDiaporama(m_f.apercu().diaporama().DiaporamaEnCours);
}

QSize FrmZoom::Ecran() const {
    const Disposition& d = m_f.disposition();
    return {int(std::lround(800 * d.EchelleEcranX)), int(std::lround(600 * d.EchelleEcranY))};
}

QString FrmZoom::Chemin() const {
    return m_f.etat().RepertoireOuvert + m_nom;
}

bool FrmZoom::ImageEntiere() const {
    return m_image->AEntiere();
}

bool FrmZoom::Ajuster(const QString& nom) {
    m_nom = nom;
    const QSize ecran = Ecran();
    const bool remplir = m_f.OptZ1->isChecked();
    const auto lue = m_f.apercu().lecteur().Lire(m_f.apercu().DemandeEcran(nom));
    ZoomActif = false;
    if (!lue) {
        m_image->Vider();
        return false;
    }
    const QSizeF taille = TailleAffichee(lue->taille.width(), lue->taille.height(), ecran.width(),
                                         ecran.height(), remplir);
    Ajuste = CadreCentre(ecran.width(), ecran.height(), taille).toRect();
    ImgZ->setGeometry(Ajuste);
    m_image->Definir(lue->image);
    if (isVisible())
        ChargerEntiere();
    return true;
}

void FrmZoom::ChargerEntiere() {
    if (m_nom.isEmpty() || m_image->Vide() || m_image->AEntiere())
        return;
    // The magnifier shows real pixels: the whole picture, up to the largest rate's need.
    const QSize plafond = Ecran() * 4;
    DemandeImage d;
    d.chemin = Chemin();
    d.cle = QStringLiteral("entiere");
    d.garder = false;
    d.tailleVoulue = [plafond](QSize s) { return s.scaled(plafond, Qt::KeepAspectRatio); };
    LecteurImages& lecteur = m_f.apercu().lecteur();
    const QString chemin = d.chemin;
    lecteur.QuandPrete(lecteur.Lancer(d, 1), this,
                       [this, chemin](const std::optional<ImageLue>& l) {
                           if (l && isVisible() && chemin == Chemin())
                               m_image->DefinirEntiere(l->image);
                       });
}

void FrmZoom::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The picture at the screen's size is painted first; the whole one follows.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            ChargerEntiere();
    });
}

void FrmZoom::hideEvent(QHideEvent* event) {
    // The whole picture weighs tens of megabytes: it goes with the window.
    m_image->DefinirEntiere(QImage());
    ZoomActif = false;
    QDialog::hideEvent(event);
}

void FrmZoom::Afficher_Infos_Zoom() {
    const Options& o = m_f.etat().options;
    QPalette p = LblTitre->palette();
    p.setColor(QPalette::WindowText, ResultatsRetouche::CouleurOption(o.CouleurInfos));
    LblTitre->setPalette(p);
    QListWidgetItem* courant = m_f.LstFF->currentItem();
    LblTitre->setText(QStringLiteral("(") + m_f.LblRang->text() + QStringLiteral(" / ") +
                      QString::number(m_f.LstFF->count()) + QStringLiteral(")   ") +
                      (courant ? courant->text() : QString()) + QStringLiteral("     ") +
                      m_f.LblTaille->text());
    LblTitre->setVisible(o.InfosAgrandissement == 1);
    LblTitre->raise();
}

void FrmZoom::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ImgAp->move(width() - 31, height() - 25);
    ImgAv->move(4, height() - 25);
    LblTitre->setGeometry(0, 0, width(), LblTitre->sizeHint().height());
}

void FrmZoom::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        Form_Activate();
    else
        PointEcran = QPointF();
}

void FrmZoom::Form_Activate() {
    ImgZ->unsetCursor();
    PlacerPointeur(QPointF(width() / 2, height() / 2));
}

void FrmZoom::PlacerPointeur(const QPointF& point) {
    PositionPointeur = QPoint(int(std::lround(point.x())), int(std::lround(point.y())));
    // Refused quietly where the window system does not let a program move the pointer.
    QCursor::setPos(mapToGlobal(PositionPointeur));
}

void FrmZoom::keyPressEvent(QKeyEvent* event) {
    const Options& o = m_f.etat().options;
    const int touche = event->key();
    auto estOption = [touche](int code) {
        return code >= 116 && code <= 123 && touche == Qt::Key_F5 + (code - 116);
    };
    Horloge& horloge = m_f.plateforme().horloge;
    if (touche == Qt::Key_Escape) {
        reject();
    } else if (touche == Qt::Key_Down || touche == Qt::Key_Return || touche == Qt::Key_Enter) {
        horloge.TraiterEvenements();
        ImgAp_Click();
    } else if (touche == Qt::Key_Up) {
        horloge.TraiterEvenements();
        ImgAv_Click();
    } else if (estOption(o.ToucheMarquer) || estOption(o.ToucheDemarquer)) {
        if (estOption(o.ToucheMarquer))
            m_f.marques().Marquer();
        else
            m_f.marques().Demarquer();
        Afficher_Infos_Zoom();
    } else if (touche == Qt::Key_F3) {
        // The main window's item toggles the option, saves it and refreshes this label.
        m_f.menus().article(QStringLiteral("mnuRens"))->trigger();
    } else {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FrmZoom::ImgAp_Click() {
    EtatProgramme& etat = m_f.etat();
    const int i = m_f.LstFF->currentRow();
    if (i < 0)
        return;
    if (i - etat.PremiereMiniature >= etat.DerniereMiniature) {
        m_f.plateforme().dialogues.Message(QStringLiteral("Dernière image du dossier !"),
                                           Dialogues::Icone::Information);
        reject();
        return;
    }
    etat.AfficherApercu = true;
    m_f.SelectionnerEntree(i + 1);
    m_f.apercu().miniatures().DefilerVoisin(i, 1);
}

void FrmZoom::ImgAv_Click() {
    EtatProgramme& etat = m_f.etat();
    const int i = m_f.LstFF->currentRow();
    if (i < 0)
        return;
    if (i <= etat.PremiereMiniature) {
        m_f.plateforme().dialogues.Message(QStringLiteral("Première image du dossier !"),
                                           Dialogues::Icone::Information);
        reject();
        return;
    }
    etat.AfficherApercu = true;
    m_f.SelectionnerEntree(i - 1);
    m_f.apercu().miniatures().DefilerVoisin(i, -1);
}

bool FrmZoom::eventFilter(QObject* objet, QEvent* event) {
    if (objet == ImgZ) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            ImgZ_MouseDown(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            ImgZ_MouseMove(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                ImgZ_MouseUp();
            return true;
        case QEvent::MouseButtonDblClick:
            reject();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objet, event);
}

void FrmZoom::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        AfficherMenu(event->globalPosition().toPoint());
    QDialog::mousePressEvent(event);
}

void FrmZoom::ImgZ_MouseDown(QMouseEvent* event) {
    if (Ajuste.isEmpty() || ImgZ->width() == 0 || ImgZ->height() == 0)
        return;
    // The point in the fitted picture, whatever the picture's size at the press: a second
    // press enlarges from the fitted size again.
    const QPointF pos = event->position();
    const QPointF point(pos.x() * Ajuste.width() / ImgZ->width(),
                        pos.y() * Ajuste.height() / ImgZ->height());
    PointZoom = point;
    PointEcran = QPointF(Ajuste.topLeft()) + point;
    ZoomActif = false;
    if (event->button() == Qt::RightButton) {
        AfficherMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const Loupe::Pression p = Loupe::Presser(size(), Ajuste, point, TauxZoom);
    ImgZ->setGeometry(p.image.toRect());
    m_f.plateforme().horloge.TraiterEvenements();
    ZoomActif = true;
    PlacerPointeur(p.pointeur);
    ImgZ->setCursor(Qt::ClosedHandCursor);
}

void FrmZoom::ImgZ_MouseMove(QMouseEvent* event) {
    const QPointF pointeur = event->position() + ImgZ->pos();
    const Loupe::Glissement g =
        Loupe::Glisser(size(), QRectF(ImgZ->geometry()), pointeur, PointZoom, TauxZoom);
    PointZoom = g.pointZoom;
    if (ZoomActif && (event->buttons() & Qt::LeftButton))
        ImgZ->move(g.position.toPoint());
}

void FrmZoom::ImgZ_MouseUp() {
    if (PointEcran.x() == 0)
        PointEcran.setX(width() / 2.0);
    if (PointEcran.y() == 0)
        PointEcran.setY(height() / 2.0);
    ImgZ->setGeometry(Ajuste);
    m_f.plateforme().horloge.TraiterEvenements();
    PlacerPointeur(PointEcran);
    ImgZ->setCursor(Qt::OpenHandCursor);
}

void FrmZoom::mnuZ_Click(int index) {
    TauxZoom = Loupe::Taux(index);
    for (int i = 0; i < 5; ++i)
        findChild<QAction*>(QStringLiteral("mnuZ(%1)").arg(i))->setChecked(i == index);
}

void FrmZoom::DefinirDiaporama(bool enCours) {
    findChild<QAction*>(QStringLiteral("mnuDebutDiap"))->setEnabled(!enCours);
    findChild<QAction*>(QStringLiteral("mnuFinDiap"))->setEnabled(enCours);
    for (QAction* a : mnuInv->actions())
        if (a->objectName().startsWith(QLatin1String("mnuOuvrir(")))
            a->setEnabled(!enCours);
}

void FrmZoom::AfficherMenu(const QPoint& position) {
    // The editors are those registered now.
    for (QAction* a : mnuInv->actions())
        if (a->objectName().startsWith(QLatin1String("mnuOuvrir(")) &&
            a->objectName() != QLatin1String("mnuOuvrir(0)")) {
            mnuInv->removeAction(a);
            a->deleteLater();
        }
    if (RemplirEditeurs) {
        RemplirEditeurs(*mnuInv, Chemin());
        for (QAction* a : mnuInv->actions())
            if (a->objectName().startsWith(QLatin1String("mnuOuvrir(")) &&
                a->objectName() != QLatin1String("mnuOuvrir(0)"))
                connect(a, &QAction::triggered, this, &QDialog::reject);
    }
    DefinirDiaporama(m_f.apercu().diaporama().DiaporamaEnCours);
    m_f.plateforme().dialogues.AfficherMenu(*mnuInv, position);
}

void FrmZoom::mnuOuvrir_Click() {
    if (const QListWidgetItem* courant = m_f.LstFF->currentItem())
        m_f.plateforme().shell.Ouvrir(m_f.etat().RepertoireOuvert + courant->text());
    reject();
}
