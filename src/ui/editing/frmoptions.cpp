#include "frmoptions.h"

#include "apercu.h"
#include "controles.h"
#include "incrustation.h"
#include "placement.h"
#include "plateforme.h"
#include "resultatsretouche.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The frame of the preview, in pixels.
constexpr int CadreLargeur = 177;
constexpr int CadreHauteur = 121;

QCheckBox* caseACocher(QWidget* parent, const QString& nom, const QString& texte) {
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(nom);
    return c;
}

QLabel* etiquette(QWidget* parent, const QString& nom) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    return l;
}

} // namespace

FrmOptions::FrmOptions(Plateforme& plateforme, const Options& options, const QString& texte,
                       const QPixmap& apercu, const QSize& photo, QWidget* parent)
    : QDialog(parent), m_plateforme(plateforme), m_options(options), m_photo(photo) {
    setObjectName(QStringLiteral("FrmOptions"));
    setWindowTitle(QStringLiteral("  Options pour incrustation de texte dans une photo"));
    setModal(true);
    if (!IncrustationReglee(m_options))
        AppliquerDefautsIncrustation(m_options);

    // Font.
    LblP = etiquette(this, QStringLiteral("LblP"));
    LblS = etiquette(this, QStringLiteral("LblS"));
    LblC = etiquette(this, QStringLiteral("LblC"));
    LblC->setFixedSize(48, 18);
    LblC->setAccessibleName(QStringLiteral("Couleur"));
    ChkG = caseACocher(this, QStringLiteral("ChkG"), QStringLiteral("Gras"));
    ChkI = caseACocher(this, QStringLiteral("ChkI"), QStringLiteral("Italique"));
    ChkU = caseACocher(this, QStringLiteral("ChkU"), QStringLiteral("Souligné"));
    CmdPolice = BoutonFenetre(this, QStringLiteral("CmdPolice"), QStringLiteral("Modifier Police"));
    auto* police = new QGroupBox(QStringLiteral("Police"), this);
    auto* grille = new QGridLayout(police);
    grille->addWidget(new QLabel(QStringLiteral("Nom :"), police), 0, 0);
    grille->addWidget(LblP, 0, 1, 1, 2);
    grille->addWidget(new QLabel(QStringLiteral("Taille :"), police), 1, 0);
    grille->addWidget(LblS, 1, 1, 1, 2);
    grille->addWidget(new QLabel(QStringLiteral("Couleur :"), police), 2, 0);
    grille->addWidget(LblC, 2, 1);
    auto* styles = new QHBoxLayout;
    styles->addWidget(ChkG);
    styles->addWidget(ChkI);
    styles->addWidget(ChkU);
    grille->addLayout(styles, 3, 0, 1, 3);
    grille->addWidget(CmdPolice, 4, 0, 1, 3);
    for (QCheckBox* c : {ChkG, ChkI, ChkU})
        connect(c, &QCheckBox::clicked, this, [this] {
            m_options.PoliceGras = ChkG->isChecked();
            m_options.PoliceItalique = ChkI->isChecked();
            m_options.PoliceSouligne = ChkU->isChecked();
            Afficher();
        });
    connect(CmdPolice, &QPushButton::clicked, this, [this] { CmdPolice_Click(); });

    // Position.
    const QString positions[5] = {
        QStringLiteral(" En haut et à gauche"), QStringLiteral(" En haut et à droite"),
        QStringLiteral(" En bas et à gauche"), QStringLiteral(" En bas et à droite"),
        QStringLiteral(" Au choix  (click sur la photo)")};
    auto* position = new QGroupBox(QStringLiteral("Position du texte"), this);
    auto* liste = new QVBoxLayout(position);
    for (int i = 0; i < 5; ++i) {
        Opt[i] = new QRadioButton(positions[i], position);
        Opt[i]->setObjectName(QStringLiteral("Opt(%1)").arg(i));
        liste->addWidget(Opt[i]);
        connect(Opt[i], &QRadioButton::clicked, this, [this, i] { Opt_Click(i); });
    }

    // Preview: the picture fitted in its frame, the sample text on it.
    auto* cadre = new QWidget(this);
    cadre->setFixedSize(CadreLargeur, CadreHauteur);
    cadre->setStyleSheet(QStringLiteral("background: rgb(48,48,48);"));
    ImgOpt = etiquette(cadre, QStringLiteral("ImgOpt"));
    ImgOpt->setAccessibleName(QStringLiteral("Aperçu : cliquez pour placer le texte"));
    const QSizeF taille = TailleAffichee(photo.width(), photo.height(), CadreLargeur, CadreHauteur);
    if (!apercu.isNull() && !taille.isEmpty()) {
        ImgOpt->setPixmap(
            apercu.scaled(taille.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        ImgOpt->setGeometry(CadreCentre(CadreLargeur, CadreHauteur, taille).toRect());
    } else {
        ImgOpt->setGeometry(0, 0, CadreLargeur, CadreHauteur);
    }
    ImgOpt->setCursor(Qt::CrossCursor);
    ImgOpt->installEventFilter(this);
    LblTexte = etiquette(ImgOpt, QStringLiteral("LblTexte"));
    LblTexte->setText(texte);
    LblTexte->setAttribute(Qt::WA_TransparentForMouseEvents);

    ChkC = caseACocher(this, QStringLiteral("ChkC"), QStringLiteral(" Effacer la photo initiale,"));
    auto* suite = new QLabel(QStringLiteral("et la conserver dans le dossier \"Photos "
                                            "sauvegardées\" de Vimbral"),
                             this);
    suite->setBuddy(ChkC);
    suite->setContentsMargins(22, 0, 0, 0);
    connect(ChkC, &QCheckBox::clicked, this,
            [this](bool coche) { m_options.EffacerOriginal = coche ? 1 : 0; });
    auto* note = new QLabel(QStringLiteral("Les photos avec incrustation de texte portent le nom "
                                           "du fichier original, précédé de (T)"),
                            this);
    note->setWordWrap(true);
    CmdQuitter =
        BoutonFenetre(this, QStringLiteral("CmdQuitter"), QStringLiteral("Enregistrer et Quitter"));
    connect(CmdQuitter, &QPushButton::clicked, this, [this] { CmdQuitter_Click(); });

    auto* haut = new QHBoxLayout;
    haut->addWidget(police);
    haut->addWidget(position);
    auto* milieu = new QHBoxLayout;
    milieu->addWidget(cadre);
    auto* droite = new QVBoxLayout;
    droite->addWidget(ChkC);
    droite->addWidget(suite);
    droite->addStretch();
    droite->addWidget(note);
    milieu->addLayout(droite, 1);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(CmdQuitter);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(16, 16, 16, 16);
    colonne->addLayout(haut);
    colonne->addLayout(milieu);
    colonne->addLayout(bas);

    const int choisie =
        m_options.PositionTexte >= 0 && m_options.PositionTexte <= 4 ? m_options.PositionTexte : 0;
    Opt[choisie]->setChecked(true);
    ChkC->setChecked(m_options.EffacerOriginal == 1);
    Afficher();
    adjustSize();
    setFixedSize(sizeHint());
    CentrerSurParent(*this);
}

QFont FrmOptions::Police() const {
    QFont police(m_options.PoliceTexte);
    police.setPointSizeF(m_options.TaillePolice);
    police.setBold(m_options.PoliceGras != 0);
    police.setItalic(m_options.PoliceItalique != 0);
    police.setUnderline(m_options.PoliceSouligne != 0);
    return police;
}

void FrmOptions::Afficher() {
    LblP->setText(m_options.PoliceTexte);
    LblS->setText(QString::number(m_options.TaillePolice));
    const QColor couleur = ResultatsRetouche::CouleurOption(m_options.CouleurTexte);
    LblC->setStyleSheet(
        QStringLiteral("background: %1; border: 1px solid gray;").arg(couleur.name()));
    LblC->setToolTip(couleur.name());
    ChkG->setChecked(m_options.PoliceGras != 0);
    ChkI->setChecked(m_options.PoliceItalique != 0);
    ChkU->setChecked(m_options.PoliceSouligne != 0);
    LblTexte->setFont(Police());
    LblTexte->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(couleur.name()));
    LblTexte->adjustSize();
    PlacerTexte();
}

void FrmOptions::PlacerTexte() {
    const double echelle = m_photo.width() > 0 ? double(ImgOpt->width()) / m_photo.width() : 1;
    const QSizeF photo = m_photo.isEmpty() ? QSizeF(ImgOpt->size()) : QSizeF(m_photo);
    // Where the text goes on the photo, brought to the preview's scale.
    const QPointF coin =
        PositionTexte(m_options.PositionTexte, photo, QSizeF(LblTexte->size()) / echelle,
                      m_options.PositionX, m_options.PositionY) *
        echelle;
    // A sample wider or higher than the preview starts at its left or top edge.
    LblTexte->move(
        std::clamp(int(coin.x()), 0, std::max(0, ImgOpt->width() - LblTexte->width())),
        std::clamp(int(coin.y()), 0, std::max(0, ImgOpt->height() - LblTexte->height())));
}

void FrmOptions::CmdPolice_Click() {
    const auto police = m_plateforme.dialogues.ChoisirPolice(Police());
    if (!police)
        return;
    m_options.PoliceTexte = police->family();
    m_options.TaillePolice = float(police->pointSizeF() > 0 ? police->pointSizeF() : 10);
    m_options.PoliceGras = police->bold();
    m_options.PoliceItalique = police->italic();
    m_options.PoliceSouligne = police->underline();
    // Qt's font dialog has no colour: the colour dialog follows it.
    if (const auto couleur = m_plateforme.dialogues.ChoisirCouleur(
            ResultatsRetouche::CouleurOption(m_options.CouleurTexte)))
        m_options.CouleurTexte = ResultatsRetouche::OptionCouleur(*couleur);
    Afficher();
}

void FrmOptions::Opt_Click(int index) {
    m_options.PositionTexte = qint16(index);
    // The free position waits for a click on the picture.
    LblTexte->setVisible(index != 4);
    PlacerTexte();
}

bool FrmOptions::eventFilter(QObject* objet, QEvent* event) {
    if (objet == ImgOpt && event->type() == QEvent::MouseButtonPress && Opt[4]->isChecked() &&
        ImgOpt->width() > 0 && ImgOpt->height() > 0) {
        const QPointF point = static_cast<QMouseEvent*>(event)->position();
        m_options.PositionX = float(point.x() * 100 / ImgOpt->width());
        m_options.PositionY = float(point.y() * 100 / ImgOpt->height());
        PlacerTexte();
        LblTexte->show();
        return true;
    }
    return QDialog::eventFilter(objet, event);
}

void FrmOptions::CmdQuitter_Click() {
    if (LblTexte->isHidden()) {
        m_plateforme.dialogues.Message(
            QStringLiteral("Vous n'avez pas cliqué sur l'image pour "
                           "renseigner la position de la zone de texte !"),
            Dialogues::Icone::Information);
        return;
    }
    accept();
}

void FrmOptions::reject() {
    m_plateforme.dialogues.Message(QStringLiteral("Enregistrez et quittez, svp..."),
                                   Dialogues::Icone::Information);
}
