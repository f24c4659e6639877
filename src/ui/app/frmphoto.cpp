#include "frmphoto.h"

#include "deplacementpas.h"
#include "etatprogramme.h"
#include "fichiersparametres.h"
#include "listefichiers.h"
#include "plateforme.h"
#include "trichronologique.h"
#include "typesfichiers.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TwipsParPixel = 15;

template <typename T> T* controle(QWidget* parent, const QString& nom) {
    auto* c = new T(parent);
    c->setObjectName(nom);
    return c;
}

QToolButton* bouton(QWidget* parent, const QString& nom, const QString& texte,
                    const QString& bulle) {
    auto* b = controle<QToolButton>(parent, nom);
    b->setText(texte);
    b->setToolTip(bulle);
    b->setAccessibleName(bulle.trimmed());
    return b;
}

qint16 versTwips(int pixels) {
    return qint16(std::clamp(pixels * TwipsParPixel, -32768, 32767));
}

} // namespace

FrmPhoto::FrmPhoto(Plateforme& plateforme, EtatProgramme& etat, QWidget* parent)
    : QWidget(parent), m_plateforme(plateforme), m_etat(etat), m_parametres(plateforme, etat),
      m_liste(std::make_unique<ListeFichiers>(*this)) {
    setObjectName(QStringLiteral("FrmPhoto"));
    setWindowTitle(QStringLiteral("  VIMBRAL"));
    CreerControles();
    m_deplacement = std::make_unique<DeplacementPas>(*this);
    m_tri = std::make_unique<TriChronologique>(*this);
    Form_Load();
}

FrmPhoto::~FrmPhoto() = default;

void FrmPhoto::CreerControles() {
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(255, 255, 230));
    setPalette(fond);

    ModeleDossiers = new QFileSystemModel(this);
    ModeleDossiers->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    ModeleDossiers->setRootPath(QStringLiteral("/"));
    DirDirectory = controle<QTreeView>(this, QStringLiteral("DirDirectory"));
    DirDirectory->setModel(ModeleDossiers);
    for (int colonne = 1; colonne < ModeleDossiers->columnCount(); ++colonne)
        DirDirectory->hideColumn(colonne);
    DirDirectory->header()->hide();
    DirDirectory->setAccessibleName(QStringLiteral("Dossiers"));
    connect(DirDirectory, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        if (m_etat.options.OuvertureSimpleClic == 1)
            DefinirCheminDossier(ModeleDossiers->filePath(index));
    });
    connect(DirDirectory, &QTreeView::activated, this, [this](const QModelIndex& index) {
        DefinirCheminDossier(ModeleDossiers->filePath(index));
    });

    CboFileType = controle<QComboBox>(this, QStringLiteral("CboFileType"));
    CboFileType->setAccessibleName(QStringLiteral("Type de fichiers"));
    LabelTrie = controle<QLabel>(this, QStringLiteral("LabelTrie"));
    LabelTrie->hide();

    LstFF = controle<QListWidget>(this, QStringLiteral("LstFF"));
    LstFF->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LstFF->setAccessibleName(QStringLiteral("Liste des fichiers"));
    connect(LstFF, &QListWidget::itemClicked, this, [this] { LstFF_Click(); });

    LblDirName = controle<QLabel>(this, QStringLiteral("LblDirName"));
    LblRang = controle<QLabel>(this, QStringLiteral("LblRang"));
    LblRang->setAccessibleName(QStringLiteral("Rang dans la liste"));
    TxtFileName = controle<QLineEdit>(this, QStringLiteral("TxtFileName"));
    TxtFileName->setAccessibleName(QStringLiteral("Nom du Fichier"));

    ImgUp = bouton(this, QStringLiteral("ImgUp"), QStringLiteral("▲"),
                   QStringLiteral("Déplacement du fichier vers le haut "));
    ImgDown = bouton(this, QStringLiteral("ImgDown"), QStringLiteral("▼"),
                     QStringLiteral("Déplacement du fichier vers le bas "));
    ImgUp->hide();
    ImgDown->hide();

    Img0 = controle<QLabel>(this, QStringLiteral("Img(0)"));
    Img0->setToolTip(QStringLiteral("Agrandir la photo"));
    Img0->setAccessibleName(QStringLiteral("Agrandir la photo"));
    Img0->setAlignment(Qt::AlignCenter);
    LblTaille = controle<QLabel>(this, QStringLiteral("LblTaille"));
    LblNonImage = controle<QLabel>(this, QStringLiteral("LblNonImage"));
    LblNonImage->setText(QStringLiteral("Ce fichier n'est pas un fichier image"));
    LblNonImage->setAlignment(Qt::AlignCenter);
    LblNonImage->hide();

    axBPivoter = bouton(this, QStringLiteral("axBPivoter"), QStringLiteral("↻"),
                        QStringLiteral(" Faire pivoter une photo "));
    axBRedimensionner = bouton(this, QStringLiteral("axBRedimensionner"), QStringLiteral("⇲"),
                               QStringLiteral(" Redimensionner une ou plusieurs photos "));
    axBPivoter->hide();
    axBRedimensionner->hide();

    ChkIns = controle<QCheckBox>(this, QStringLiteral("ChkIns"));
    ChkIns->setText(QStringLiteral("TEXTE  à  INCRUSTER"));
    ChkIns->setEnabled(false);
    Txt = controle<QLineEdit>(this, QStringLiteral("Txt"));
    Txt->setAccessibleName(QStringLiteral("TEXTE  à  INCRUSTER"));
    Txt->setEnabled(false);

    OptZ0 = controle<QRadioButton>(this, QStringLiteral("OptZ(0)"));
    OptZ0->setText(QStringLiteral("Zoom taille réelle "));
    OptZ1 = controle<QRadioButton>(this, QStringLiteral("OptZ(1)"));
    OptZ1->setText(QStringLiteral("Zoom taille maximum"));

    CmdMin = controle<QPushButton>(this, QStringLiteral("CmdMin"));
    CmdMin->setText(QStringLiteral("Miniatures"));
    axBDiapo = bouton(this, QStringLiteral("axBDiapo"), QStringLiteral("▶"),
                      QStringLiteral("Lancer ou arrêter le Diaporama "));
    PctMere = controle<QWidget>(this, QStringLiteral("PctMere"));
    PctMere->hide();

    Lblmp31 = controle<QLabel>(this, QStringLiteral("Lblmp31"));
    Lblmp32 = controle<QLabel>(this, QStringLiteral("Lblmp32"));
    Lblmp31->hide();
    Lblmp32->hide();
    CmdJouer =
        bouton(this, QStringLiteral("CmdJouer"), QStringLiteral("▶"), QStringLiteral("Jouer"));
    CmdStop =
        bouton(this, QStringLiteral("CmdStop"), QStringLiteral("■"), QStringLiteral("Arrêter"));
    CmdJouer->hide();
    CmdStop->hide();

    CmdInc = controle<QPushButton>(this, QStringLiteral("CmdInc"));
    CmdInc->setText(QStringLiteral("Incrémenter / Renommer en groupe"));
    CmdA = controle<QPushButton>(this, QStringLiteral("CmdA"));
    CmdA->setText(QStringLiteral("Annuler"));
    CmdA->hide();
    CmdD = controle<QPushButton>(this, QStringLiteral("CmdD"));
    CmdD->setText(QStringLiteral("Action"));
    CmdD->hide();
    CmdRefresh = controle<QPushButton>(this, QStringLiteral("CmdRefresh"));
    CmdRefresh->setText(QStringLiteral("Rafraichir la liste"));
    CmdOK = controle<QPushButton>(this, QStringLiteral("CmdOK"));
    CmdOK->setText(QStringLiteral("Quitter"));
    connect(CmdRefresh, &QPushButton::clicked, this, [this] { m_liste->CmdRefresh_Click(); });
    connect(CmdOK, &QPushButton::clicked, this, &QWidget::close);

    Placer();
}

void FrmPhoto::Placer() {
    DirDirectory->setGeometry(10, 10, 250, 590);
    CboFileType->setGeometry(280, 10, 300, 26);
    LabelTrie->setGeometry(280, 38, 300, 18);
    LstFF->setGeometry(280, 60, 300, 470);
    ImgUp->setGeometry(586, 240, 28, 28);
    ImgDown->setGeometry(586, 272, 28, 28);
    LblDirName->setGeometry(280, 534, 200, 20);
    LblRang->setGeometry(484, 534, 96, 20);
    TxtFileName->setGeometry(280, 560, 300, 28);
    Img0->setGeometry(620, 10, 394, 296);
    LblNonImage->setGeometry(620, 140, 394, 30);
    LblTaille->setGeometry(620, 310, 394, 20);
    axBPivoter->setGeometry(620, 336, 28, 28);
    axBRedimensionner->setGeometry(652, 336, 28, 28);
    ChkIns->setGeometry(620, 376, 200, 22);
    Txt->setGeometry(620, 400, 394, 26);
    OptZ0->setGeometry(620, 436, 180, 22);
    OptZ1->setGeometry(810, 436, 200, 22);
    CmdMin->setGeometry(620, 470, 120, 30);
    axBDiapo->setGeometry(746, 470, 30, 30);
    PctMere->setGeometry(280, 10, 734, 580);
    Lblmp31->setGeometry(620, 510, 300, 20);
    Lblmp32->setGeometry(620, 532, 300, 20);
    CmdJouer->setGeometry(930, 510, 30, 30);
    CmdStop->setGeometry(964, 510, 30, 30);
    CmdInc->setGeometry(280, 620, 300, 44);
    CmdA->setGeometry(280, 620, 146, 44);
    CmdD->setGeometry(434, 620, 146, 44);
    CmdRefresh->setGeometry(620, 620, 190, 44);
    CmdOK->setGeometry(824, 620, 190, 44);
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

    m_parametres.LirePhotoIni();
    if (!m_etat.photo.RepertoireDemarrage.isEmpty() &&
        m_plateforme.fichiers.EstDossier(m_etat.photo.RepertoireDemarrage))
        DefinirCheminDossier(m_etat.photo.RepertoireDemarrage);
    m_plateforme.horloge.TraiterEvenements();
    m_parametres.LireOptions();
    m_fenetreActivee = false;

    const QSize ecran = m_plateforme.environnement.ecran;
    const int largeur = std::min(ecran.width(), 1024);
    const int hauteur = int(
        std::lround((std::min(ecran.height(), 768) * TwipsParPixel - 400) / double(TwipsParPixel)));
    setFixedSize(largeur, hauteur);
    PositionFenetre position;
    if (m_parametres.LirePosIni(position))
        move(position.PosGauche / TwipsParPixel, position.PosHaut / TwipsParPixel);
    else
        move((ecran.width() - largeur) / 2, (ecran.height() - hauteur) / 2);

    m_etat.PasDePhoto = true;
    m_etat.AfficherApercu = true;
}

void FrmPhoto::DefinirCheminDossier(const QString& chemin) {
    const QString propre = QDir::cleanPath(chemin);
    if (propre.isEmpty() || propre == m_cheminDossier)
        return;
    m_cheminDossier = propre;
    const QModelIndex index = ModeleDossiers->index(propre);
    if (index.isValid()) {
        DirDirectory->setCurrentIndex(index);
        DirDirectory->scrollTo(index);
    }
    m_liste->DirDirectory_Change();
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
            DefinirCheminDossier(m_etat.photo.RepertoireDemarrage);
            m_plateforme.dialogues.Message(
                QStringLiteral("Le répertoire par défaut, à l'ouverture, est \n\n") +
                    m_etat.photo.RepertoireDemarrage +
                    QStringLiteral("\n\nVous pourrez choisir un autre répertoire, ou choisir "
                                   "d'ouvrir le programme sur le dernier répertoire ouvert."),
                Dialogues::Icone::Information);
        }
        if (!m_etat.photo.RepertoireDemarrage.isEmpty()) {
            if (QDir::cleanPath(m_etat.photo.RepertoireDemarrage) ==
                QDir::cleanPath(m_plateforme.environnement.dossierProgramme)) {
                m_liste->DirDirectory_Change();
            } else {
                m_fenetreActivee = true;
                m_liste->CmdRefresh_Click();
            }
        }
    }
    m_fenetreActivee = true;
    TxtFileName->setFocus();
    m_plateforme.horloge.TraiterEvenements();
    m_activationEnCours = false;
}

void FrmPhoto::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void FrmPhoto::closeEvent(QCloseEvent* event) {
    PositionFenetre position;
    position.PosGauche = versTwips(x());
    position.PosHaut = versTwips(y());
    m_parametres.EcrirePosIni(position);
    event->accept();
}

void FrmPhoto::LstFF_Click() {
    if (m_etat.ListeOccupee || !m_fenetreActivee)
        return;
    const int rang = LstFF->currentRow();
    if (rang < 0)
        return;
    m_etat.IndexCourant = rang;
    TxtFileName->setText(LstFF->item(rang)->text());
}

void FrmPhoto::SelectionnerEntree(int rang) {
    LstFF->setCurrentRow(rang, QItemSelectionModel::ClearAndSelect);
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
