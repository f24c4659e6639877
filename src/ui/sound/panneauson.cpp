#include "panneauson.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "lecteurson.h"
#include "lecteursonsysteme.h"
#include "plateforme.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

namespace {

// PctSon as designed, in twips: the volume cursor's figures are given in them.
constexpr double LargeurTwips = 22 * 15;
constexpr double HauteurTwips = 74 * 15;

const QColor Or(253, 220, 106);

} // namespace

PanneauSon::PanneauSon(FrmPhoto& fenetre) : m_f(fenetre) {
    Plateforme& p = m_f.plateforme();
    if (!p.son)
        m_propre = std::make_unique<LecteurSonSysteme>();
    m_lecteur = p.son ? p.son : m_propre.get();
    // The volume the cursor shows from the start is the one heard.
    m_lecteur->DefinirVolume(Volume());

    for (QToolButton* b : {m_f.CmdJouer, m_f.CmdStop}) {
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::TabFocus);
    }
    connect(m_f.CmdJouer, &QToolButton::clicked, this, [this] { CmdJouer_Click(); });
    connect(m_f.CmdStop, &QToolButton::clicked, this, [this] { CmdStop_Click(); });
    connect(m_f.axBson, &QPushButton::clicked, this, [this] { axBson_Click(); });
    m_f.RendreDisponible(m_f.axBson);
    m_f.axBson->setEnabled(true);

    // A drag seeks once, where the handle is let go; a click, a key or the wheel at once.
    QSlider* curseur = m_f.SLD;
    auto chercher = [this, curseur] {
        if (m_etat == Etat::Lecture)
            m_lecteur->DefinirPosition(curseur->value());
        m_f.TxtFileName->setFocus();
    };
    connect(curseur, &QSlider::valueChanged, this, [curseur, chercher] {
        if (!curseur->isSliderDown())
            chercher();
    });
    connect(curseur, &QSlider::sliderReleased, this, chercher);

    m_f.PctSon->setMouseTracking(true);
    m_f.PctSon->setToolTip(QStringLiteral("Volume : %1").arg(Volume()));
    m_f.PctSon->installEventFilter(this);
    Afficher();
}

PanneauSon::~PanneauSon() = default;

void PanneauSon::Afficher() {
    const bool prepare = m_etat != Etat::AucunSon;
    const bool lecture = m_etat == Etat::Lecture;
    for (QWidget* w : {static_cast<QWidget*>(m_f.Lblmp31), static_cast<QWidget*>(m_f.CmdJouer),
                       static_cast<QWidget*>(m_f.CmdStop)})
        w->setVisible(prepare);
    for (QWidget* w : {static_cast<QWidget*>(m_f.Lblmp32), static_cast<QWidget*>(m_f.SLD),
                       m_f.PctSon, static_cast<QWidget*>(m_f.axBson)})
        w->setVisible(lecture);
    m_f.CmdJouer->setEnabled(prepare && !lecture);
    m_f.CmdStop->setEnabled(lecture);
    if (!prepare) {
        m_f.Lblmp31->clear();
        m_f.Lblmp32->clear();
    }
}

void PanneauSon::Preparer(const QString& nom) {
    const QString chemin = m_f.etat().RepertoireOuvert + nom;
    Stop_son();
    m_nom = nom;
    m_lecteur->Charger(chemin);
    // A player still reading lets queued events run: a newer selection may be shown already.
    if (m_nom != nom)
        return;
    const double duree = m_lecteur->Duree();
    {
        const QSignalBlocker bloque(m_f.SLD);
        m_f.SLD->setRange(0, MaximumCurseur(duree));
        m_f.SLD->setValue(0);
    }
    m_f.Lblmp31->setText(LigneSon(QFileInfo(chemin).size(), duree));
    m_f.Lblmp32->clear();
    m_etat = Etat::Prepare;
    Afficher();
}

void PanneauSon::AucunSon() {
    Stop_son();
    m_etat = Etat::AucunSon;
    m_nom.clear();
    Afficher();
}

void PanneauSon::CmdJouer_Click() {
    if (m_etat != Etat::Prepare)
        return;
    // The file shown may have been renamed since it was prepared: play it under its name.
    const QPersistentModelIndex& entree = m_f.apercu().EntreeAffichee;
    if (entree.isValid() && entree.data().toString() != m_nom &&
        EstFichierSon(entree.data().toString()))
        Preparer(entree.data().toString());
    m_lecteur->Jouer();
    m_etat = Etat::Lecture;
    m_f.Lblmp32->setText(TempsEcoule(m_lecteur->Position()));
    Afficher();
    m_minuterie = std::make_unique<QObject>();
    Armer();
    m_f.TxtFileName->setFocus();
}

void PanneauSon::Armer() {
    m_f.plateforme().horloge.Differer(1000, m_minuterie.get(), [this] { Timer_Tick(); });
}

void PanneauSon::Timer_Tick() {
    if (m_etat != Etat::Lecture)
        return;
    const double position = m_lecteur->Position();
    m_f.Lblmp32->setText(TempsEcoule(position));
    // A handle the user holds stays where it is held.
    if (!m_f.SLD->isSliderDown()) {
        const QSignalBlocker bloque(m_f.SLD);
        m_f.SLD->setValue(int(std::min<qint64>(SecondesEntieres(position), m_f.SLD->maximum())));
    }
    Armer();
}

void PanneauSon::Stop_son() {
    {
        const QSignalBlocker bloque(m_f.SLD);
        m_f.SLD->setValue(0);
    }
    m_lecteur->Liberer();
    m_minuterie.reset();
    const bool jouait = m_etat == Etat::Lecture;
    if (jouait)
        m_etat = Etat::Prepare;
    Afficher();
    if (jouait && m_f.isVisible())
        m_f.LstFF->setFocus();
}

void PanneauSon::CmdStop_Click() {
    Stop_son();
    m_f.TxtFileName->setFocus();
}

void PanneauSon::axBson_Click() {
    const QString mixeur = ProgrammeMixeur();
    if (!mixeur.isEmpty())
        m_f.plateforme().shell.Lancer(mixeur, {});
}

bool PanneauSon::eventFilter(QObject* objet, QEvent* event) {
    if (objet != m_f.PctSon)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        DessinerVolume();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        SourisVolume(static_cast<QMouseEvent*>(event));
        return true;
    default:
        return false;
    }
}

void PanneauSon::DessinerVolume() {
    QWidget* w = m_f.PctSon;
    const double sx = w->width() / LargeurTwips;
    const double sy = w->height() / HauteurTwips;
    auto rect = [&](double x, double y, double l, double h) {
        return QRectF(x * sx, y * sy, l * sx, h * sy);
    };
    QPainter p(w);
    p.fillRect(w->rect(), QColor(40, 40, 40));
    p.setPen(QColor(110, 110, 110));
    p.drawRect(QRectF(w->rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    // Eight marks, four on each side of the track, from 100 at the top to 0 at the bottom.
    p.setPen(QColor(170, 170, 150));
    for (int i = 0; i < 4; ++i) {
        const double y = (CurseurVolume::CentreHaut +
                          i * (CurseurVolume::CentreBas - CurseurVolume::CentreHaut) / 3.0) *
                         sy;
        p.drawLine(QPointF(30 * sx, y), QPointF(100 * sx, y));
        p.drawLine(QPointF(230 * sx, y), QPointF(300 * sx, y));
    }
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::black);
    p.drawRect(rect(CurseurVolume::PisteGauche, CurseurVolume::PisteHaut,
                    CurseurVolume::PisteLargeur, CurseurVolume::PisteHauteur));
    p.setPen(Qt::black);
    p.setBrush(Or);
    p.drawRect(rect(CurseurVolume::Gauche, m_curseur.haut, CurseurVolume::Largeur,
                    CurseurVolume::Hauteur));
}

void PanneauSon::SourisVolume(QMouseEvent* event) {
    QWidget* w = m_f.PctSon;
    const int x = qRound(event->position().x() * LargeurTwips / w->width());
    const int y = qRound(event->position().y() * HauteurTwips / w->height());
    const bool bande = y >= CurseurVolume::CentreHaut && y <= CurseurVolume::CentreBas;
    const bool dedans = m_curseur.Contient(x, y);
    const bool seul = event->modifiers() == Qt::NoModifier;
    auto pointeur = [w](bool main, bool tenue) {
        if (main)
            w->setCursor(tenue ? Qt::ClosedHandCursor : Qt::PointingHandCursor);
        else
            w->unsetCursor();
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_tenu = dedans && seul && event->button() == Qt::LeftButton;
        if (bande)
            pointeur(dedans, true);
        m_f.TxtFileName->setFocus();
        return;
    case QEvent::MouseMove:
        // Once held, the cursor follows the pointer however fast it goes, and stops at the
        // ends of the track.
        if (m_tenu && seul && event->buttons() == Qt::LeftButton) {
            m_curseur.Suivre(y);
            m_lecteur->DefinirVolume(Volume());
            w->setToolTip(QStringLiteral("Volume : %1").arg(Volume()));
            pointeur(true, true);
            w->update();
        } else if (bande) {
            pointeur(dedans, event->buttons() & Qt::LeftButton);
        }
        return;
    default:
        m_tenu = false;
        pointeur(dedans, false);
        return;
    }
}
