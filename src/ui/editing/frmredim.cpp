#include "frmredim.h"

#include "apercu.h"
#include "controles.h"
#include "placement.h"
#include "redimension.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The frame of the picture, in pixels.
constexpr int CadreLargeur = 321;
constexpr int CadreHauteur = 217;

QLabel* libelle(QWidget* parent, const QString& texte, const QString& nom = {}) {
    auto* l = new QLabel(texte, parent);
    if (!nom.isEmpty())
        l->setObjectName(nom);
    return l;
}

QLineEdit* boite(QWidget* parent, const QString& nom, const QString& accessible) {
    auto* b = new QLineEdit(parent);
    b->setObjectName(nom);
    b->setAccessibleName(accessible);
    b->setValidator(new QIntValidator(0, CoteMaximum, b));
    b->setMaximumWidth(90);
    return b;
}

} // namespace

FrmRedim::FrmRedim(bool plusieurs, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmRedim"));
    setWindowTitle(plusieurs ? QStringLiteral("      Redimensionner photos")
                             : QStringLiteral("      Redimensionner la photo"));
    setModal(true);

    ImgRedim = libelle(this, {}, QStringLiteral("ImgRedim"));
    ImgRedim->setFixedSize(CadreLargeur, CadreHauteur);
    ImgRedim->setAlignment(Qt::AlignCenter);
    ImgRedim->setStyleSheet(QStringLiteral("background: rgb(48,48,48);"));

    LblL = libelle(this, {}, QStringLiteral("LblL"));
    LblH = libelle(this, {}, QStringLiteral("LblH"));
    TxtL = boite(this, QStringLiteral("TxtL"), QStringLiteral("Largeur choisie"));
    TxtH = boite(this, QStringLiteral("TxtH"), QStringLiteral("Hauteur choisie"));
    auto* tailles = new QGridLayout;
    QFont gras = font();
    gras.setBold(true);
    auto* actuelle = libelle(this, QStringLiteral("Taille actuelle (en pixels)"));
    auto* choisie = libelle(this, QStringLiteral("Taille choisie (en pixels)"));
    actuelle->setFont(gras);
    choisie->setFont(gras);
    tailles->addWidget(actuelle, 0, 0, 1, 2);
    tailles->addWidget(libelle(this, QStringLiteral("Largeur")), 1, 0);
    tailles->addWidget(LblL, 1, 1);
    tailles->addWidget(libelle(this, QStringLiteral("Hauteur")), 2, 0);
    tailles->addWidget(LblH, 2, 1);
    tailles->setRowMinimumHeight(3, 16);
    tailles->addWidget(choisie, 4, 0, 1, 2);
    auto* largeur = libelle(this, QStringLiteral("Largeur"));
    auto* hauteur = libelle(this, QStringLiteral("Hauteur"));
    largeur->setBuddy(TxtL);
    hauteur->setBuddy(TxtH);
    tailles->addWidget(largeur, 5, 0);
    tailles->addWidget(TxtL, 5, 1);
    tailles->addWidget(hauteur, 6, 0);
    tailles->addWidget(TxtH, 6, 1);
    tailles->setRowStretch(7, 1);
    tailles->setColumnMinimumWidth(1, 90);

    ChkCons = new QCheckBox(QStringLiteral("Conserver photo originale (recommandé)"), this);
    ChkCons->setObjectName(QStringLiteral("ChkCons"));
    ChkCons->setChecked(true);
    auto* note = libelle(this, QStringLiteral("Les photos redimensionnées portent le nom du "
                                              "fichier original, précédé de (R)"));
    note->setWordWrap(true);
    LblMess =
        libelle(this, QStringLiteral("Travail en cours d'exécution"), QStringLiteral("LblMess"));
    LblMess->setStyleSheet(QStringLiteral("color: rgb(170,30,30); font-weight: bold;"));
    LblMess->hide();
    LblTitre =
        libelle(this, QStringLiteral("Photos redimensionnées :"), QStringLiteral("LblTitre"));
    LblTitre->hide();
    PrgR = new QProgressBar(this);
    PrgR->setObjectName(QStringLiteral("PrgR"));
    PrgR->setAccessibleName(QStringLiteral("Photos redimensionnées"));
    PrgR->hide();
    // The window keeps its size when the busy label and the progress come and go.
    for (QWidget* w : {static_cast<QWidget*>(LblMess), static_cast<QWidget*>(LblTitre),
                       static_cast<QWidget*>(PrgR)}) {
        QSizePolicy politique = w->sizePolicy();
        politique.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politique);
    }

    CmdAction = BoutonFenetre(this, QStringLiteral("CmdAction"), QStringLiteral("Redimensionner"));
    CmdPlusieurs = BoutonFenetre(this, QStringLiteral("CmdPlusieurs"),
                                 QStringLiteral("Redimensionner les photos sélectionnées"));
    CmdAnn = BoutonFenetre(this, QStringLiteral("CmdAnn"), QStringLiteral("Annuler"));
    CmdAction->setVisible(!plusieurs);
    CmdPlusieurs->setVisible(plusieurs);
    // A batch's sizes are chosen in the next window.
    for (QWidget* w :
         {static_cast<QWidget*>(TxtL), static_cast<QWidget*>(TxtH), static_cast<QWidget*>(ChkCons)})
        w->setEnabled(!plusieurs);

    auto* haut = new QHBoxLayout;
    haut->addWidget(ImgRedim);
    haut->addSpacing(16);
    haut->addLayout(tailles);
    auto* progression = new QHBoxLayout;
    progression->addWidget(LblTitre);
    progression->addWidget(PrgR, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(LblMess);
    boutons->addStretch();
    boutons->addWidget(CmdAction);
    boutons->addWidget(CmdPlusieurs);
    boutons->addWidget(CmdAnn);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(16, 16, 16, 16);
    colonne->addLayout(haut);
    colonne->addSpacing(8);
    colonne->addWidget(ChkCons);
    colonne->addWidget(note);
    colonne->addLayout(progression);
    colonne->addSpacing(8);
    colonne->addLayout(boutons);

    connect(TxtL, &QLineEdit::textEdited, this, [this](const QString& t) { Saisie(TxtL, t); });
    connect(TxtH, &QLineEdit::textEdited, this, [this](const QString& t) { Saisie(TxtH, t); });
    TxtL->installEventFilter(this);
    TxtH->installEventFilter(this);
    adjustSize();
    setFixedSize(sizeHint());
    CentrerSurParent(*this);
}

void FrmRedim::MontrerPhoto(const QPixmap& image, int largeur, int hauteur, float rapport) {
    RapportPhoto = rapport;
    LblL->setText(QString::number(largeur));
    LblH->setText(QString::number(hauteur));
    const QSizeF taille = TailleAffichee(largeur, hauteur, CadreLargeur, CadreHauteur);
    if (!image.isNull() && !taille.isEmpty())
        ImgRedim->setPixmap(
            image.scaled(taille.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void FrmRedim::MontrerPlusieurs() {
    // Three photos fanned out.
    QPixmap dessin(CadreLargeur, CadreHauteur);
    dessin.fill(QColor(48, 48, 48));
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor teintes[3] = {QColor(70, 120, 170), QColor(200, 150, 70), QColor(90, 160, 90)};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(CadreLargeur / 2.0, CadreHauteur / 2.0);
        p.rotate(-12 + 12 * i);
        const QRectF photo(-70, -50, 140, 100);
        p.setPen(QPen(Qt::white, 5));
        p.setBrush(teintes[i]);
        p.drawRect(photo);
        p.restore();
    }
    p.end();
    ImgRedim->setPixmap(dessin);
}

bool FrmRedim::eventFilter(QObject* objet, QEvent* event) {
    // A click in a box clears the size it holds until the user types again.
    if (event->type() == QEvent::MouseButtonPress) {
        if (objet == TxtL)
            NouvelleLargeur = 0;
        else if (objet == TxtH)
            NouvelleHauteur = 0;
    }
    return QDialog::eventFilter(objet, event);
}

void FrmRedim::Saisie(QLineEdit* boite, const QString& texte) {
    const double valeur = NombreEnTete(texte);
    const bool largeur = boite == TxtL;
    (largeur ? NouvelleLargeur : NouvelleHauteur) = valeur;
    if (RapportPhoto <= 0)
        return;
    const double autre = largeur ? valeur / RapportPhoto : valeur * RapportPhoto;
    (largeur ? NouvelleHauteur : NouvelleLargeur) = autre;
    (largeur ? TxtH : TxtL)->setText(QString::number(std::lround(autre)));
}
