#include "frmphoto.h"

#include "annulationrenommage.h"
#include "apercuphoto.h"
#include "degrade.h"
#include "deplacementpas.h"
#include "deplacementrapide.h"
#include "etatprogramme.h"
#include "fichiersparametres.h"
#include "frmapropos.h"
#include "gestionfichiers.h"
#include "incrementation.h"
#include "listefichiers.h"
#include "lotjournal.h"
#include "marques.h"
#include "menusphoto.h"
#include "navigationdossiers.h"
#include "nomsfichiers.h"
#include "numeroadroite.h"
#include "panneauson.h"
#include "plateforme.h"
#include "remplacement.h"
#include "renommageclavier.h"
#include "retouche.h"
#include "selectionfichiers.h"
#include "trichronologique.h"
#include "typesfichiers.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The window as designed: 1024 x 741 pixels, in twips.
constexpr int LargeurDessinTwips = 1024 * TwipsParPixel;
constexpr int HauteurDessinTwips = 768 * TwipsParPixel - 400;

const QColor Fonce(64, 64, 64);
const QColor Clair(255, 255, 230);
const QColor Or(253, 220, 106);

template <typename T> T* controle(QWidget* parent, const QString& nom) {
    auto* c = new T(parent);
    c->setObjectName(nom);
    return c;
}

QToolButton* image(QWidget* parent, const QString& nom, const QString& glyphe,
                   const QString& bulle) {
    auto* b = controle<QToolButton>(parent, nom);
    b->setText(glyphe);
    b->setToolTip(bulle);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QPushButton* bouton(QWidget* parent, const QString& nom, const QString& legende,
                    const QString& bulle = {}) {
    auto* b = controle<QPushButton>(parent, nom);
    b->setText(legende);
    if (!bulle.isEmpty())
        b->setToolTip(bulle);
    return b;
}

QLabel* etiquette(QWidget* parent, const QString& nom, const QColor& couleur = Clair) {
    auto* l = controle<QLabel>(parent, nom);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, couleur);
    l->setPalette(p);
    return l;
}

void texteClair(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, Clair);
    w->setPalette(p);
}

qint16 versTwips(int pixels) {
    return qint16(std::clamp(pixels * TwipsParPixel, -32768, 32767));
}

// Rows as high as the font needs, descenders and the "_" of a highlighted link string
// included; one height for every row, so that the list lays out no row to know it.
class LignesListe : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize taille = QStyledItemDelegate::sizeHint(option, index);
        taille.setHeight(std::max(taille.height(), option.fontMetrics.lineSpacing() + 6));
        return taille;
    }
};

// The left panel: a gradient from dark grey to gold, drawn row by row.
class PanneauDegrade : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        Degrade(p, rect(), Fonce, Or, 0, 13);
    }
};

} // namespace

FrmPhoto::FrmPhoto(Plateforme& plateforme, EtatProgramme& etat, QWidget* parent)
    : QWidget(parent), m_plateforme(plateforme), m_etat(etat), m_parametres(plateforme, etat),
      m_liste(std::make_unique<ListeFichiers>(*this)),
      m_navigation(std::make_unique<NavigationDossiers>(*this)),
      m_apercu(std::make_unique<ApercuPhoto>(*this)) {
    setObjectName(QStringLiteral("FrmPhoto"));
    setWindowTitle(QStringLiteral("  VIMBRAL"));
    setMouseTracking(true);
    CreerControles();
    m_son = std::make_unique<PanneauSon>(*this);
    m_incrementation = std::make_unique<Incrementation>(*this);
    m_deplacement = std::make_unique<DeplacementPas>(*this);
    m_tri = std::make_unique<TriChronologique>(*this);
    m_menus = new MenusPhoto(*this);
    m_menus->Brancher(QStringLiteral("mnuTri"), [this] { m_tri->mnuTri_Click(); });
    m_renommage = std::make_unique<RenommageClavier>(*this);
    m_remplacement = std::make_unique<Remplacement>(*this);
    m_numeroADroite = std::make_unique<NumeroADroite>(*this);
    m_annulation = std::make_unique<AnnulationRenommage>(*this);
    m_retouche = std::make_unique<Retouche>(*this);
    // Ticking the warning item again shows the warning window; its own box unticks the item.
    m_menus->MontrerAvertissement = [this] { m_incrementation->MontrerAvertissement(); };
    connect(
        m_incrementation.get(), &Incrementation::afficherAvertissementModifie, this,
        [this](bool afficher) { m_menus->article(QStringLiteral("mnuAv"))->setChecked(afficher); });
    Relier();
    m_marques = std::make_unique<Marques>(*this);
    m_selection = std::make_unique<SelectionFichiers>(*this);
    m_rapide = std::make_unique<DeplacementRapide>(*this);
    m_gestionFichiers = std::make_unique<GestionFichiers>(*this);
    m_apercu->Brancher();
    NommerPourAccessibilite();
    Form_Load();
    // Every control of the window reports its keys here first.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    AjouterGestionnaireTouches([this](QKeyEvent* touche) {
        if (touche->key() != Qt::Key_F1)
            return false;
        axBAide_Click();
        return true;
    });
}

FrmPhoto::~FrmPhoto() {
    // The handlers that outlive this destructor as the window's children stop watching its
    // controls first: a control's own destruction still sends events (its focus leaving), and
    // they would reach a window that is no longer whole.
    const QList<QWidget*> controles = findChildren<QWidget*>();
    for (QObject* o : children())
        if (!o->isWidgetType())
            for (QWidget* w : controles)
                w->removeEventFilter(o);
}

template <typename T> T* FrmPhoto::Placer(T* c, int x, int y, int largeur, int hauteur) {
    m_dessin.insert(c, QRect(x, y, largeur, hauteur));
    return c;
}

void FrmPhoto::CreerControles() {
    setStyleSheet(QStringLiteral(
        "QPushButton[eclaire=\"true\"] { background: rgb(253,220,106); color: black; }"));

    // Left column.
    PctC = Placer(controle<PanneauDegrade>(this, QStringLiteral("PctC")), 0, 0, 264, 711);
    DrvDrive = Placer(controle<QComboBox>(PctC, QStringLiteral("DrvDrive")), 8, 8, 248, 26);
    ModeleDossiers = new QFileSystemModel(this);
    ModeleDossiers->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    ModeleDossiers->setRootPath(QStringLiteral("/"));
    DirDirectory =
        Placer(controle<QTreeView>(PctC, QStringLiteral("DirDirectory")), 8, 40, 248, 500);
    DirDirectory->setModel(ModeleDossiers);
    for (int colonne = 1; colonne < ModeleDossiers->columnCount(); ++colonne)
        DirDirectory->hideColumn(colonne);
    DirDirectory->header()->hide();
    DirDirectory->setContextMenuPolicy(Qt::PreventContextMenu);
    ChKDos = Placer(controle<QCheckBox>(PctC, QStringLiteral("ChKDos")), 8, 546, 248, 22);
    ChKDos->setText(QStringLiteral(" Enregistrement sélectif des dossiers consultés "));
    // On the gold end of the gradient: dark text, small enough for the whole caption.
    ChKDos->setStyleSheet(QStringLiteral("font-size: 7pt; color: rgb(40,40,40);"));
    axBRetour = Placer(image(PctC, QStringLiteral("axBRetour"), QStringLiteral("◀"),
                             QStringLiteral("Dossier précédent vu ")),
                       8, 574, 30, 30);
    axBSuivant = Placer(image(PctC, QStringLiteral("axBSuivant"), QStringLiteral("▶"),
                              QStringLiteral("Dossier suivant vu  ")),
                        42, 574, 30, 30);
    axBEnrDos = Placer(image(PctC, QStringLiteral("axBEnrDos"), QStringLiteral("✚"),
                             QStringLiteral("Enregistre dans la liste des répertoires lus ")),
                       76, 574, 30, 30);
    axBIni = Placer(image(PctC, QStringLiteral("axBIni"), QStringLiteral("⟲"),
                          QStringLiteral("Réinitialiser la liste des répertoires lus ")),
                    110, 574, 30, 30);
    axBF = Placer(image(PctC, QStringLiteral("axBF"), QStringLiteral("★"),
                        QStringLiteral(" Marquer, choisir et organiser les favoris ")),
                  158, 574, 30, 30);
    axBRep = Placer(image(PctC, QStringLiteral("axBRep"), QStringLiteral("✎"),
                          QStringLiteral("Renommer un répertoire ")),
                    192, 574, 30, 30);
    axBNouvRep = Placer(image(PctC, QStringLiteral("axBNouvRep"), QStringLiteral("+"),
                              QStringLiteral("Créer un nouveau répertoire ")),
                        226, 574, 30, 30);
    axBRetour->setEnabled(false);
    axBSuivant->setEnabled(false);
    axBEnrDos->hide();
    CmdOption = Placer(bouton(PctC, QStringLiteral("CmdOption"), QStringLiteral("Options")), 8, 652,
                       120, 44);
    axBAide =
        Placer(bouton(PctC, QStringLiteral("axBAide"), QStringLiteral("Aide")), 134, 652, 70, 44);
    axBAP = Placer(
        bouton(PctC, QStringLiteral("axBAP"), QStringLiteral("?"), QStringLiteral("A Propos")), 210,
        652, 46, 44);

    // Middle column.
    CboFileType = Placer(controle<QComboBox>(this, QStringLiteral("CboFileType")), 274, 8, 300, 26);
    LabelTrie = Placer(etiquette(this, QStringLiteral("LabelTrie")), 274, 36, 300, 18);
    LabelTrie->hide();
    LstFF = Placer(controle<QListWidget>(this, QStringLiteral("LstFF")), 274, 56, 300, 460);
    LstFF->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every entry is one line: the list need not measure them again at each rename.
    LstFF->setUniformItemSizes(true);
    LstFF->setItemDelegate(new LignesListe(LstFF));
    LstFF->setContextMenuPolicy(Qt::CustomContextMenu);
    ImgUp = Placer(image(this, QStringLiteral("ImgUp"), QStringLiteral("▲"),
                         QStringLiteral("Déplacement du fichier vers le haut ")),
                   578, 220, 26, 30);
    ImgDown = Placer(image(this, QStringLiteral("ImgDown"), QStringLiteral("▼"),
                           QStringLiteral("Déplacement du fichier vers le bas ")),
                     578, 254, 26, 30);
    ImgUp->hide();
    ImgDown->hide();
    CmdRapide = Placer(image(this, QStringLiteral("CmdRapide"), QStringLiteral("⇅"),
                             QStringLiteral("Déplacement rapide de fichiers ")),
                       578, 300, 26, 30);
    LblDirName = Placer(etiquette(this, QStringLiteral("LblDirName")), 274, 520, 200, 20);
    LblRang = Placer(etiquette(this, QStringLiteral("LblRang")), 478, 520, 96, 20);
    LblRang->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    axBM = Placer(bouton(this, QStringLiteral("axBM"), QStringLiteral("M"),
                         QStringLiteral("Marquer tous les fichiers sélectionnés ")),
                  274, 544, 44, 28);
    axBDM = Placer(bouton(this, QStringLiteral("axBDM"), QStringLiteral("M /"),
                          QStringLiteral("Démarquer tous les  fichiers sélectionnés ")),
                   322, 544, 44, 28);
    axBSel0 = Placer(bouton(this, QStringLiteral("axBSel(0)"), QStringLiteral("Sel"),
                            QStringLiteral("Sélectionner les fichiers marqués ")),
                     370, 544, 44, 28);
    axBSel1 = Placer(bouton(this, QStringLiteral("axBSel(1)"), QStringLiteral("Se /"),
                            QStringLiteral(" Désélectionner tous les fichiers ")),
                     370, 544, 44, 28);
    axBSel1->hide();
    axBPP1 = Placer(image(this, QStringLiteral("axBPP1"), QStringLiteral("✂"),
                          QStringLiteral("Chaîne à coller")),
                    470, 544, 30, 28);
    axBPP2 =
        Placer(bouton(this, QStringLiteral("axBPP2"), QStringLiteral("Coller")), 504, 544, 70, 28);
    TxtFileName =
        Placer(controle<QLineEdit>(this, QStringLiteral("TxtFileName")), 274, 578, 300, 30);
    CmdChoix = Placer(bouton(this, QStringLiteral("CmdChoix"), QStringLiteral("Sélection du nom")),
                      274, 614, 300, 30);
    CmdInc = Placer(
        bouton(this, QStringLiteral("CmdInc"), QStringLiteral("Incrémenter / Renommer en groupe")),
        274, 652, 300, 44);
    CmdA =
        Placer(bouton(this, QStringLiteral("CmdA"), QStringLiteral("Annuler")), 274, 652, 146, 44);
    CmdD =
        Placer(bouton(this, QStringLiteral("CmdD"), QStringLiteral("Action")), 428, 652, 146, 44);
    CmdA->hide();
    CmdD->hide();

    // Right column.
    Img0 = Placer(controle<QLabel>(this, QStringLiteral("Img(0)")), 614, 8, 402, 302);
    Img0->setToolTip(QStringLiteral("Agrandir la photo"));
    Img0->setAlignment(Qt::AlignCenter);
    Img0->setMouseTracking(true);
    Img0->setContextMenuPolicy(Qt::CustomContextMenu);
    LblNonImage = Placer(etiquette(this, QStringLiteral("LblNonImage"), Or), 614, 144, 402, 30);
    LblNonImage->setText(QStringLiteral("Ce fichier n'est pas un fichier image"));
    LblNonImage->setAlignment(Qt::AlignCenter);
    LblNonImage->hide();
    LblTaille = Placer(etiquette(this, QStringLiteral("LblTaille")), 614, 314, 402, 20);
    axBPivoter = Placer(image(this, QStringLiteral("axBPivoter"), QStringLiteral("↻"),
                              QStringLiteral(" Faire pivoter une photo ")),
                        614, 340, 30, 30);
    axBRedimensionner = Placer(image(this, QStringLiteral("axBRedimensionner"), QStringLiteral("⇲"),
                                     QStringLiteral(" Redimensionner une ou plusieurs photos ")),
                               648, 340, 30, 30);
    axBPivoter->hide();
    axBRedimensionner->hide();
    axBDiapo = Placer(image(this, QStringLiteral("axBDiapo"), QStringLiteral("▶"),
                            QStringLiteral("Lancer ou arrêter le Diaporama ")),
                      856, 340, 30, 30);
    CmdMin = Placer(bouton(this, QStringLiteral("CmdMin"), QStringLiteral("Miniatures")), 892, 340,
                    124, 30);
    OptZ0 = Placer(controle<QRadioButton>(this, QStringLiteral("OptZ(0)")), 614, 380, 196, 22);
    OptZ0->setText(QStringLiteral("Zoom taille réelle "));
    OptZ1 = Placer(controle<QRadioButton>(this, QStringLiteral("OptZ(1)")), 816, 380, 200, 22);
    OptZ1->setText(QStringLiteral("Zoom taille maximum"));
    texteClair(OptZ0);
    texteClair(OptZ1);
    ChkIns = Placer(controle<QCheckBox>(this, QStringLiteral("ChkIns")), 614, 412, 300, 22);
    ChkIns->setText(QStringLiteral("Insérer texte dans image"));
    ChkIns->setEnabled(false);
    texteClair(ChkIns);
    Txt = Placer(controle<QLineEdit>(this, QStringLiteral("Txt")), 614, 438, 402, 28);
    Txt->setEnabled(false);

    Lblmp31 = Placer(etiquette(this, QStringLiteral("Lblmp31")), 614, 482, 340, 20);
    Lblmp32 = Placer(etiquette(this, QStringLiteral("Lblmp32")), 614, 506, 340, 20);
    SLD = Placer(controle<QSlider>(this, QStringLiteral("SLD")), 614, 532, 340, 24);
    SLD->setOrientation(Qt::Horizontal);
    CmdJouer = Placer(
        image(this, QStringLiteral("CmdJouer"), QStringLiteral("▶"), QStringLiteral("Jouer")), 614,
        562, 30, 30);
    CmdStop = Placer(
        image(this, QStringLiteral("CmdStop"), QStringLiteral("■"), QStringLiteral("Arrêter")), 648,
        562, 30, 30);
    PctSon = Placer(controle<QWidget>(this, QStringLiteral("PctSon")), 964, 482, 22, 74);
    axBson =
        Placer(bouton(this, QStringLiteral("axBson"), QStringLiteral("SON")), 956, 562, 60, 30);
    for (QWidget* w : {static_cast<QWidget*>(Lblmp31), static_cast<QWidget*>(Lblmp32),
                       static_cast<QWidget*>(SLD), static_cast<QWidget*>(CmdJouer),
                       static_cast<QWidget*>(CmdStop), PctSon, static_cast<QWidget*>(axBson)})
        w->hide();

    CmdRefresh =
        Placer(bouton(this, QStringLiteral("CmdRefresh"), QStringLiteral("Rafraichir la liste")),
               614, 652, 196, 44);
    CmdOK =
        Placer(bouton(this, QStringLiteral("CmdOK"), QStringLiteral("Quitter")), 820, 652, 196, 44);
    for (QPushButton* b : {CmdOK, CmdRefresh, CmdInc})
        b->installEventFilter(this);

    PctMere = Placer(controle<QWidget>(this, QStringLiteral("PctMere")), 274, 46, 300, 470);
    PctMere->hide();

    PctCharge = Placer(controle<QWidget>(this, QStringLiteral("PctCharge")), 274, 520, 300, 20);
    auto* chargement = Placer(etiquette(PctCharge, QStringLiteral("LblCharge")), 0, 0, 180, 20);
    chargement->setText(QStringLiteral("Chargement des images en cours ..."));
    chargement->setStyleSheet(QStringLiteral("font-size: 10px;"));
    Prg = Placer(controle<QProgressBar>(PctCharge, QStringLiteral("Prg")), 182, 4, 80, 12);
    Prg->setTextVisible(false);
    LblN = Placer(etiquette(PctCharge, QStringLiteral("LblN")), 266, 0, 34, 20);
    LblN->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PctCharge->hide();

    LblVersion = Placer(etiquette(this, QStringLiteral("LblVersion"), Fonce), 614, 714, 402, 22);
    LblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Commands that later parts of the program bring: their handlers enable the buttons.
    for (QWidget* w :
         std::initializer_list<QWidget*>{axBRep, axBNouvRep, CmdRapide, axBM, axBDM, axBSel0,
                                         axBSel1, axBPP1, axBPP2, axBDiapo, CmdMin, axBson})
        w->setEnabled(false);
}

void FrmPhoto::Relier() {
    NavigationDossiers& nav = *m_navigation;
    connect(DirDirectory, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        if (m_etat.options.OuvertureSimpleClic == 1)
            OuvrirDossierArbre(ModeleDossiers->filePath(index));
        TxtFileName->setFocus();
    });
    connect(DirDirectory, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        OuvrirDossierArbre(ModeleDossiers->filePath(index));
    });
    DirDirectory->viewport()->installEventFilter(this);
    DirDirectory->installEventFilter(this);
    connect(DrvDrive, &QComboBox::currentIndexChanged, this, [&nav] { nav.DrvDrive_Change(); });
    connect(axBRetour, &QToolButton::clicked, this, [&nav] { nav.axBRetour_Click(); });
    connect(axBSuivant, &QToolButton::clicked, this, [&nav] { nav.axBSuivant_Click(); });
    connect(axBEnrDos, &QToolButton::clicked, this, [&nav] { nav.axBEnrDos_Click(); });
    connect(axBIni, &QToolButton::clicked, this, [&nav] { nav.axBIni_Click(); });
    connect(ChKDos, &QCheckBox::clicked, this, [&nav] { nav.ChKDos_Click(); });

    // A click runs the list's handling once: through the selection change it makes, or
    // on its own when it leaves the selection as it was.
    connect(LstFF, &QListWidget::itemPressed, this, [this] { m_clicTraite = false; });
    connect(LstFF, &QListWidget::itemSelectionChanged, this, [this] {
        m_clicTraite = true;
        LstFF_Click();
    });
    connect(LstFF, &QListWidget::itemClicked, this, [this] {
        if (!m_clicTraite)
            LstFF_Click();
        m_clicTraite = false;
    });
    connect(LstFF, &QListWidget::itemDoubleClicked, this, [this] { LstFF_DblClick(); });
    Img0->installEventFilter(this);
    TxtFileName->installEventFilter(this);
    connect(LstFF, &QListWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        m_plateforme.dialogues.AfficherMenu(*m_menus->mnuCopDepInvisible,
                                            LstFF->viewport()->mapToGlobal(p));
    });
    connect(Img0, &QLabel::customContextMenuRequested, this, [this](const QPoint& p) {
        m_plateforme.dialogues.AfficherMenu(*m_menus->mnuEdit, Img0->mapToGlobal(p));
    });
    connect(axBF, &QToolButton::clicked, this, [this] {
        m_plateforme.dialogues.AfficherMenu(*m_menus->mnuFavorisInv,
                                            axBF->mapToGlobal(QPoint(0, axBF->height())));
    });
    connect(CmdRefresh, &QPushButton::clicked, this, [this] { m_liste->CmdRefresh_Click(); });
    connect(CmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(CmdOption, &QPushButton::clicked, this, [this] { CmdOption_Click(); });
    connect(CmdChoix, &QPushButton::clicked, this, [this] { CmdChoix_Click(); });
    connect(axBAide, &QPushButton::clicked, this, [this] { axBAide_Click(); });
    connect(axBAP, &QPushButton::clicked, this, [this] { axBAP_Click(); });
    LblDirName->installEventFilter(this);
}

void FrmPhoto::NommerPourAccessibilite() {
    const QHash<QString, QString> libelles = {
        {QStringLiteral("TxtFileName"), QStringLiteral("Nom du Fichier")},
        {QStringLiteral("LblRang"), QStringLiteral("Rang dans la liste")},
        {QStringLiteral("LstFF"), QStringLiteral("Liste des fichiers")},
        {QStringLiteral("DirDirectory"), QStringLiteral("Dossiers")},
        {QStringLiteral("DrvDrive"), QStringLiteral("Lecteurs")},
        {QStringLiteral("CboFileType"), QStringLiteral("Type de fichiers")},
        {QStringLiteral("LabelTrie"), QStringLiteral("Chaîne de sélection")},
        {QStringLiteral("LblDirName"), QStringLiteral("Répertoire ouvert")},
        {QStringLiteral("LblTaille"), QStringLiteral("Renseignements sur le fichier")},
        {QStringLiteral("Txt"), QStringLiteral("TEXTE  à  INCRUSTER")},
        {QStringLiteral("Lblmp31"), QStringLiteral("Renseignements sur le son")},
        {QStringLiteral("Lblmp32"), QStringLiteral("Temps écoulé")},
        {QStringLiteral("SLD"), QStringLiteral("Position de lecture")},
        {QStringLiteral("PctSon"), QStringLiteral("Volume")},
        {QStringLiteral("PctMere"), QStringLiteral("Miniatures")},
        {QStringLiteral("PctC"), QStringLiteral("Dossiers et favoris")},
        {QStringLiteral("LblVersion"), QStringLiteral("Version")},
        {QStringLiteral("PctCharge"), QStringLiteral("Chargement des images en cours ...")},
        {QStringLiteral("Prg"), QStringLiteral("Chargement des images en cours ...")},
        {QStringLiteral("LblN"), QStringLiteral("Images chargées")},
    };
    // Labels whose text changes are read by their text; what they are is their description.
    const QStringList changeants = {QStringLiteral("LblDirName"), QStringLiteral("LblRang"),
                                    QStringLiteral("LblTaille"),  QStringLiteral("LabelTrie"),
                                    QStringLiteral("Lblmp31"),    QStringLiteral("Lblmp32"),
                                    QStringLiteral("LblN"),       QStringLiteral("LblVersion")};
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!m_dessin.contains(w))
            continue;
        if (changeants.contains(w->objectName())) {
            w->setAccessibleName(QString());
            w->setAccessibleDescription(libelles.value(w->objectName()));
            continue;
        }
        QString nom = libelles.value(w->objectName());
        // A caption first; picture buttons have only their tool tip.
        if (nom.isEmpty()) {
            if (qobject_cast<QToolButton*>(w))
                nom = w->toolTip();
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                nom = b->text();
            else if (auto* l = qobject_cast<QLabel*>(w))
                nom = l->text();
            if (nom.trimmed().isEmpty())
                nom = w->toolTip();
        }
        w->setAccessibleName(nom.trimmed());
    }
}

void FrmPhoto::Form_Load() {
    m_etat.EnregistrerDossier = true;

    {
        const QSignalBlocker bloque(CboFileType);
        for (int i = 0; i < TypesFichiers::Nombre; ++i)
            CboFileType->addItem(TypesFichiers::Texte(i));
        CboFileType->setCurrentIndex(-1);
    }
    connect(CboFileType, &QComboBox::currentIndexChanged, this,
            [this] { m_liste->CboFileType_Click(); });

    m_plateforme.fichiers.CreerDossier(m_plateforme.environnement.dossierProgramme +
                                       QStringLiteral("/Photos sauvegardées"));

    m_navigation->RemplirLecteurs();
    m_parametres.LirePhotoIni();
    // A folder or a photo named on the command line comes before the start folder.
    const QString demande = m_plateforme.environnement.cheminOuverture;
    if (!demande.isEmpty()) {
        const QFileInfo info(demande);
        if (m_plateforme.fichiers.EstDossier(demande)) {
            DefinirCheminDossier(demande);
        } else if (m_plateforme.fichiers.Existe(demande) &&
                   DefinirCheminDossier(info.absolutePath())) {
            m_photoDemandee = info.fileName();
        }
        if (m_cheminDossier.isEmpty())
            m_demandeIntrouvable = demande;
    }
    // A start folder that is gone leaves the home folder open, and the first activation says
    // so.
    if (m_cheminDossier.isEmpty() && !m_etat.photo.RepertoireDemarrage.isEmpty() &&
        !DefinirCheminDossier(m_etat.photo.RepertoireDemarrage)) {
        m_departIntrouvable = m_etat.photo.RepertoireDemarrage;
        DefinirCheminDossier(m_plateforme.environnement.dossierPersonnel);
    }
    m_plateforme.horloge.TraiterEvenements();
    m_parametres.LireOptions();
    m_menus->AfficherOptions();
    m_fenetreActivee = false;

    m_disposition = CalculerDisposition(LargeurDessinTwips, HauteurDessinTwips,
                                        m_plateforme.environnement.ecran);
    const int largeur = int(std::lround(double(m_disposition.LargeurCible) / TwipsParPixel));
    const int hauteur = int(std::lround(double(m_disposition.HauteurCible) / TwipsParPixel));
    setFixedSize(largeur, hauteur);
    const QSize ecran = m_plateforme.environnement.ecran;
    PositionFenetre position;
    if (m_parametres.LirePosIni(position))
        move(position.PosGauche / TwipsParPixel, position.PosHaut / TwipsParPixel);
    else
        move((ecran.width() - largeur) / 2, (ecran.height() - hauteur) / 2);
    AjusterFenetre();

    LblVersion->setText(QStringLiteral("Version [%1]").arg(m_plateforme.environnement.version));
    m_etat.PasDePhoto = true;
    m_etat.AfficherApercu = true;
}

void FrmPhoto::AjusterFenetre() {
    if (isMinimized())
        return;
    const Disposition& d = m_disposition;
    for (auto it = m_dessin.cbegin(); it != m_dessin.cend(); ++it) {
        const QRect& r = it.value();
        it.key()->setGeometry(
            int(std::lround(r.x() * d.EchelleX)), int(std::lround(r.y() * d.EchelleY)),
            int(std::lround(r.width() * d.EchelleX)), int(std::lround(r.height() * d.EchelleY)));
    }
}

void FrmPhoto::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    p.fillRect(rect(), Clair);
    // A gradient from one colour to the same: rows 0 to height - 30 filled at once, since the
    // window repaints behind every picture shown.
    p.fillRect(QRect(0, 0, width(), height() - 30 + 1), Fonce);
    p.fillRect(CadreApercu(), QColor(48, 48, 48));
}

QRect FrmPhoto::CadreApercu() const {
    const QRect dessin(614, 8, 402, 302);
    const Disposition& d = m_disposition;
    return QRect(int(std::lround(dessin.x() * d.EchelleX)),
                 int(std::lround(dessin.y() * d.EchelleY)),
                 int(std::lround(dessin.width() * d.EchelleX)),
                 int(std::lround(dessin.height() * d.EchelleY)));
}

bool FrmPhoto::DefinirCheminDossier(const QString& chemin) {
    const QString propre = QDir::cleanPath(chemin);
    if (propre.isEmpty() || !m_plateforme.fichiers.EstDossier(propre))
        return false;
    if (propre == m_cheminDossier)
        return true;
    m_cheminDossier = propre;
    const QModelIndex index = ModeleDossiers->index(propre);
    if (index.isValid()) {
        DirDirectory->setCurrentIndex(index);
        DirDirectory->scrollTo(index);
    }
    m_navigation->DirDirectory_Change();
    return true;
}

void FrmPhoto::SelectionnerPhotoDemandee() {
    const QString nom = std::exchange(m_photoDemandee, QString());
    if (nom.isEmpty())
        return;
    auto rang = [&] {
        const QList<QListWidgetItem*> trouves = LstFF->findItems(nom, Qt::MatchExactly);
        return trouves.isEmpty() ? -1 : LstFF->row(trouves.first());
    };
    // A file the type box leaves out (a sound, a text) is shown among all the files.
    if (rang() < 0 && CboFileType->currentIndex() != TypesFichiers::TousFichiers)
        CboFileType->setCurrentIndex(TypesFichiers::TousFichiers);
    if (rang() >= 0)
        SelectionnerEntree(rang());
}

void FrmPhoto::OuvrirDossierArbre(const QString& chemin) {
    if (DefinirCheminDossier(chemin) || !chemin.contains(QChar::ReplacementCharacter))
        return;
    // The tree shows a name that is not UTF-8 with replacement characters: that text reaches
    // no folder.
    m_plateforme.dialogues.Message(
        QStringLiteral("Le nom de ce dossier n'est pas lisible (il n'est pas écrit en UTF-8) :"
                       "\n\n%1\n\nIl ne peut être ouvert : renommez-le d'abord avec le "
                       "gestionnaire de fichiers.")
            .arg(chemin),
        Dialogues::Icone::Exclamation);
}

void FrmPhoto::Form_Activate() {
    if (m_activationEnCours)
        return;
    m_activationEnCours = true;
    if (!m_fenetreActivee) {
        CboFileType->setCurrentIndex(TypesFichiers::TousImages);
        m_parametres.MigrerAvIni();
        if (m_etat.photo.RepertoireDemarrage.isEmpty()) {
            m_etat.photo.RepertoireDemarrage = m_plateforme.environnement.dossierPersonnel;
            m_parametres.EcrirePhotoIni();
            TxtFileName->setFocus();
            if (m_cheminDossier.isEmpty())
                DefinirCheminDossier(m_etat.photo.RepertoireDemarrage);
            m_plateforme.dialogues.Message(
                QStringLiteral("Le répertoire par défaut, à l'ouverture, est \n\n") +
                    m_etat.photo.RepertoireDemarrage +
                    QStringLiteral("\n\nVous pourrez choisir un autre répertoire, ou choisir "
                                   "d'ouvrir le programme sur le dernier répertoire ouvert."),
                Dialogues::Icone::Information);
        }
        // The tree opened the start folder while the window loaded (the program folder
        // too), so its folder change has run and been recorded: the list is only refreshed,
        // now that clicks are handled.
        if (!m_cheminDossier.isEmpty()) {
            m_fenetreActivee = true;
            m_liste->CmdRefresh_Click();
        }
        if (!m_demandeIntrouvable.isEmpty()) {
            m_plateforme.dialogues.Message(
                QStringLiteral("Ce dossier ou ce fichier n'existe plus :\n%1")
                    .arg(m_demandeIntrouvable),
                Dialogues::Icone::Exclamation);
            m_demandeIntrouvable.clear();
        }
        if (!m_departIntrouvable.isEmpty()) {
            m_plateforme.dialogues.Message(
                QStringLiteral("Ce dossier n'existe plus :\n%1\n\nLe dossier personnel est ouvert "
                               "à sa place.")
                    .arg(m_departIntrouvable),
                Dialogues::Icone::Exclamation);
            m_departIntrouvable.clear();
        }
        SelectionnerPhotoDemandee();
        // A batch that a crash cut off is finished or taken back before anything else.
        if (m_annulation->Recuperer())
            m_liste->CmdRefresh_Click();
    }
    m_menus->AfficherAvertissement();
    m_fenetreActivee = true;
    TxtFileName->setFocus();
    m_plateforme.horloge.TraiterEvenements();
    if (m_etat.RemplacementLiaison && m_menus->mnuSecOpt->isChecked())
        m_etat.VerifierLiaison = true;
    m_activationEnCours = false;
}

void FrmPhoto::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

bool FrmPhoto::RetirerMarquesAvantFermeture() {
    Fichiers& f = m_plateforme.fichiers;
    const QString motif = QStringLiteral("*.*") + NomsFichiers::MarqueM;
    // A folder opened many times is scanned once, in the order of its first opening.
    QStringList dossiers;
    QSet<QString> vus;
    for (const QString& dossier : m_etat.DossiersOuverts)
        if (!vus.contains(dossier)) {
            vus.insert(dossier);
            dossiers.append(dossier);
        }
    QList<QStringList> marques;
    bool marque = false;
    for (const QString& dossier : dossiers) {
        marques.append(f.Lister(dossier, motif));
        marque = marque || !marques.last().isEmpty();
    }
    if (!marque)
        return true;
    const auto reponse = m_plateforme.dialogues.Message(
        QStringLiteral("Vous avez marqué des fichiers avec l'extension \"   [M]\" avant certaines "
                       "opérations.\nLe fait de laisser cette extension risque fort de perturber "
                       "le fonctionnement d'autres programmes à la lecture de ces fichiers.\n\n"
                       "Voulez-vous effacer ces extensions ?\n\nNB : la durée de cette procédure "
                       "sera fonction du nombre de répertoires que vous avez ouvert."),
        Dialogues::Icone::Question, Dialogues::Boutons::OuiNonAnnuler);
    if (reponse == Dialogues::Reponse::Annuler) {
        TxtFileName->setFocus();
        return false;
    }
    if (reponse == Dialogues::Reponse::Oui) {
        QList<QPair<QString, QString>> chemins;
        for (qsizetype i = 0; i < dossiers.size(); ++i)
            for (const QString& nom : marques[i])
                if (!NomsFichiers::EstIllisible(nom))
                    chemins.append({dossiers[i] + QLatin1Char('/') + nom,
                                    dossiers[i] + QLatin1Char('/') +
                                        nom.chopped(NomsFichiers::MarqueM.size())});
        LotJournal lot(m_plateforme, chemins);
        if (!lot.ouvert()) {
            SignalerJournalImpossible(m_plateforme.dialogues, m_plateforme);
            return true;
        }
        // A file whose unmarked name is taken keeps its mark; the others go on.
        for (int k = 0; k < chemins.size(); ++k)
            if (f.Renommer(chemins[k].first, chemins[k].second))
                lot.fait(k);
    }
    return true;
}

void FrmPhoto::closeEvent(QCloseEvent* event) {
    m_etat.ArretChargement = true;
    if (!RetirerMarquesAvantFermeture()) {
        event->ignore();
        return;
    }
    for (QWidget* fenetre : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (fenetre->isWindow())
            fenetre->close();
    PositionFenetre position;
    position.PosGauche = versTwips(x());
    position.PosHaut = versTwips(y());
    m_parametres.EcrirePosIni(position);
    event->accept();
}

bool FrmPhoto::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::KeyPress && objet->isWidgetType() &&
        static_cast<QWidget*>(objet)->window() == this) {
        auto* touche = static_cast<QKeyEvent*>(event);
        for (const GestionnaireTouches& g : m_gestionnairesTouches)
            if (g(touche))
                return true;
    }
    if (event->type() == QEvent::Enter)
        if (auto* b = qobject_cast<QPushButton*>(objet);
            b && (b == CmdOK || b == CmdRefresh || b == CmdInc))
            Eclairer(b);
    if (objet == DirDirectory->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_etat.ArretChargement = true;
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            m_navigation->SupprimerDossierOuvert();
            return true;
        }
    }
    if (objet == DirDirectory && event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            OuvrirDossierArbre(ModeleDossiers->filePath(DirDirectory->currentIndex()));
            return true;
        }
    }
    if (objet == LblDirName && event->type() == QEvent::MouseButtonPress)
        m_etat.IgnorerClicApercu = false;
    if (objet == Img0 && event->type() == QEvent::MouseButtonPress)
        m_apercu->Img_MouseDown(static_cast<QMouseEvent*>(event));
    if (objet == Img0 && event->type() == QEvent::MouseMove)
        m_apercu->Img_MouseMove();
    if (objet == TxtFileName && event->type() == QEvent::FocusIn && m_renommage)
        Preselectionner();
    return QWidget::eventFilter(objet, event);
}

void FrmPhoto::Eclairer(QPushButton* bouton) {
    for (QPushButton* b : {CmdOK, CmdRefresh, CmdInc}) {
        const bool eclaire = b == bouton;
        if (b->property("eclaire").toBool() == eclaire)
            continue;
        b->setProperty("eclaire", eclaire);
        b->style()->unpolish(b);
        b->style()->polish(b);
    }
}

void FrmPhoto::mouseMoveEvent(QMouseEvent* event) {
    Eclairer(nullptr);
    if (event->position().x() < PctMere->x())
        m_etat.IndexSouris = 0;
    QWidget::mouseMoveEvent(event);
}

void FrmPhoto::mousePressEvent(QMouseEvent* event) {
    m_etat.IgnorerClicApercu = false;
    QWidget::mousePressEvent(event);
}

void FrmPhoto::AjouterGestionnaireTouches(GestionnaireTouches gestionnaire, bool enTete) {
    if (enTete)
        m_gestionnairesTouches.prepend(std::move(gestionnaire));
    else
        m_gestionnairesTouches.append(std::move(gestionnaire));
}

void FrmPhoto::CmdOption_Click() {
    m_plateforme.dialogues.AfficherMenu(
        *m_menus->mnuOptions,
        CmdOption->mapToGlobal(QPoint(0, -m_menus->mnuOptions->sizeHint().height())));
    m_etat.IgnorerClicApercu = true;
    TxtFileName->setFocus();
}

void FrmPhoto::CmdChoix_Click() {
    m_plateforme.dialogues.AfficherMenu(*m_menus->mnuInvisible,
                                        CmdChoix->mapToGlobal(QPoint(0, CmdChoix->height())));
    m_etat.IgnorerClicApercu = true;
}

void FrmPhoto::axBAide_Click() {
    QWidget* focus = focusWidget();
    Dialogues& d = m_plateforme.dialogues;
    d.Message(QStringLiteral(
                  "Lorsque vous transférez les photos de votre APN dans un répertoire de votre "
                  "ordinateur,\nla première chose à faire est peut être d'incrémenter les fichiers "
                  "pour conserver l'ordre chronologique de vos prises de vue.\n\nVous pouvez "
                  "donner un nom à cette liste, ou renommer vos fichiers ultérieurement, en "
                  "choisissant la bonne option de sélection.\n\nSi vous décidez de réorganiser "
                  "votre liste, refaites une nouvelle incrémentation pour conserver votre nouveau "
                  "choix."),
              Dialogues::Icone::Information);
    d.Message(QStringLiteral(
                  "Lorsque vous modifiez le nom d'un fichier, il suffit d'appuyer sur la touche "
                  "\"Entrée\", ou \"Bas \", ou \"Haut \"de votre clavier\npour enregistrer la "
                  "modification.\n\nLe fichier suivant est automatiquement sélectionné, ainsi que "
                  "la partie du texte à modifier (selon votre choix de sélection, dans les "
                  "options) ... il suffit juste d'écrire le nouveau nom choisi ; et ainsi de "
                  "suite."),
              Dialogues::Icone::Information);
    d.Message(QStringLiteral(
                  "Si vous désirez sélectionner plusieurs fichiers dans votre liste, pour quelque "
                  "opération que ce soit (donner un même nom, copier, supprimer, déplacer ...), "
                  "vous pouvez les mémoriser en les marquant, par un click sur le bouton \"M\"."
                  "\n\nUn click sur le bouton \"Se\" permettra ensuite de sélectionner tous ces "
                  "fichiers marqués.\n\nUn click droit dans la liste des fichiers appelle un menu "
                  "contextuel."),
              Dialogues::Icone::Information);
    if (focus)
        focus->setFocus();
}

void FrmPhoto::axBAP_Click() {
    FrmAPROPOS apropos(m_plateforme, this);
    m_plateforme.dialogues.Executer(apropos);
}

void FrmPhoto::LstFF_Click() {
    m_apercu->LstFF_Click();
}

void FrmPhoto::LstFF_DblClick() {
    m_apercu->LstFF_DblClick();
}

void FrmPhoto::Preselectionner() {
    if (m_renommage)
        m_renommage->Preselectionner();
}

void FrmPhoto::Stop_son() {
    if (m_son)
        m_son->Stop_son();
}

void FrmPhoto::SelectionnerEntree(int rang) {
    const QList<QListWidgetItem*> choisis = LstFF->selectedItems();
    const bool deja =
        choisis.size() == 1 && LstFF->row(choisis.first()) == rang && LstFF->currentRow() == rang;
    LstFF->setCurrentRow(rang, QItemSelectionModel::ClearAndSelect);
    // An unchanged selection sends no signal: the handling runs all the same.
    if (deja)
        LstFF_Click();
}

void FrmPhoto::mnuRep_Click() {
    Dialogues& d = m_plateforme.dialogues;
    const QString reponse = d.Saisie(
        QStringLiteral("Au démarrage du programme :\n\nOuvrir sur un répertoire choisi : écrire "
                       "0 (NB : zéro)\nOuvrir sur le dernier répertoire ouvert : écrire 1"),
        QStringLiteral("Répertoire à l'ouverture"), QString::number(m_etat.photo.OuvrirDernier));
    if (reponse == QLatin1String("1")) {
        m_etat.photo.OuvrirDernier = 1;
        m_parametres.EcrirePhotoIni();
    } else if (reponse == QLatin1String("0")) {
        m_etat.photo.OuvrirDernier = 0;
        const QString dossier =
            d.ChoisirDossier(QStringLiteral("Sélectionner le répertoire à l'ouverture, et valider "
                                            "par OK"));
        if (!dossier.isEmpty()) {
            m_etat.photo.RepertoireDemarrage = dossier;
            d.Message(QStringLiteral("Le répertoire par défaut sera : ") + dossier,
                      Dialogues::Icone::Information);
            m_parametres.EcrirePhotoIni();
        }
    } else {
        return;
    }
    TxtFileName->setFocus();
}

void FrmPhoto::mnuNLi_Click() {
    const QString reponse = m_plateforme.dialogues.Saisie(
        QStringLiteral("Déplacement de la sélection de fichiers (en nombre de fichiers) par "
                       "action de la molette de la souris"),
        QStringLiteral("Action de la molette de la souris"),
        QString::number(m_etat.options.PasMolette));
    bool nombre = false;
    const double valeur =
        reponse.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&nombre);
    if (!nombre)
        return;
    const double arrondi = std::round(valeur);
    if (arrondi < 1 || arrondi > 32767)
        return;
    m_parametres.ChangerOptions([&] { m_etat.options.PasMolette = qint16(arrondi); });
}
