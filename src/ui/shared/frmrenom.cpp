#include "frmrenom.h"

#include "etatprogramme.h"
#include "horloge.h"
#include "placement.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString Prefixe = QStringLiteral(".../  ");
} // namespace

FrmRenom::FrmRenom(EtatProgramme& etat, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_etat(etat) {
    setObjectName(QStringLiteral("FrmRenom"));
    setWindowTitle(QStringLiteral("Renommage des fichiers"));
    // The main window takes no input while a batch runs or waits for this window's button.
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);

    LblRep = new QLabel(this);
    LblRep->setObjectName(QStringLiteral("LblRep"));
    LblRep->setAutoFillBackground(true);
    LblRep->setMargin(4);
    LblRep->setTextInteractionFlags(Qt::TextSelectableByMouse);

    LV = new QTreeWidget(this);
    LV->setObjectName(QStringLiteral("LV"));
    LV->setColumnCount(2);
    LV->setHeaderLabels({QStringLiteral("Ancien Nom"), QStringLiteral("Nouveau Nom")});
    LV->setRootIsDecorated(false);
    LV->setUniformRowHeights(true);
    LV->setSelectionMode(QAbstractItemView::NoSelection);
    LV->header()->setSectionResizeMode(QHeaderView::Stretch);

    CmdTer = new QPushButton(QStringLiteral("Opération terminée"), this);
    CmdTer->setObjectName(QStringLiteral("CmdTer"));
    CmdTer->setMinimumHeight(36);
    CmdTer->hide();
    connect(CmdTer, &QPushButton::clicked, this, [this] { CmdTer_Click(); });

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(LblRep);
    disposition->addWidget(LV, 1);
    disposition->addWidget(CmdTer);
    resize(640, 420);
}

QColor FrmRenom::CouleurFin() {
    constexpr int valeur = 1527906;
    return QColor(valeur & 0xff, (valeur >> 8) & 0xff, (valeur >> 16) & 0xff);
}

void FrmRenom::Charger(const QString& repertoire, const QStringList& anciensNoms) {
    m_etat.FinRapport = false;
    m_etatFinal = false;
    setPalette(QPalette());
    CmdTer->setPalette(QPalette());
    CmdTer->hide();
    LblRep->setText(repertoire);
    LV->clear();
    QList<QTreeWidgetItem*> lignes;
    lignes.reserve(anciensNoms.size());
    for (const QString& nom : anciensNoms)
        lignes.append(new QTreeWidgetItem(QStringList{Prefixe + nom, QString()}));
    LV->addTopLevelItems(lignes);
    if (!isVisible())
        CentrerSurParent(*this);
    show();
    raise();
}

void FrmRenom::InscrireNouveauNom(int rang, const QString& nom) {
    QTreeWidgetItem* ligne = LV->topLevelItem(rang);
    if (!ligne)
        return;
    ligne->setText(1, Prefixe + nom);
    QFont gras = ligne->font(1);
    gras.setBold(true);
    ligne->setFont(1, gras);
    LV->scrollToItem(ligne);
}

void FrmRenom::EtatFinal() {
    m_etatFinal = true;
    QPalette fenetre = palette();
    fenetre.setColor(QPalette::Window, CouleurFin());
    setPalette(fenetre);
    // The label and the list keep a light ground so that they stay readable on the dark one.
    QPalette etiquette = LblRep->palette();
    etiquette.setColor(QPalette::Window, QColor(255, 255, 230));
    etiquette.setColor(QPalette::WindowText, Qt::black);
    LblRep->setPalette(etiquette);
    QPalette bouton = CmdTer->palette();
    bouton.setColor(QPalette::Button, CouleurFin());
    bouton.setColor(QPalette::ButtonText, Qt::white);
    CmdTer->setPalette(bouton);
    CmdTer->show();
    CmdTer->setFocus();
    Q_EMIT etatFinalAtteint();
}

void FrmRenom::AttendreFin(Horloge& horloge) {
    horloge.AttendreQue([this] { return m_etat.FinRapport; });
}

void FrmRenom::CmdTer_Click() {
    close();
}

void FrmRenom::closeEvent(QCloseEvent* event) {
    // While files are being renamed the window stays: closing it would free the main window
    // in the middle of the batch. Every batch ends in the end state, so no wait hangs.
    if (!m_etatFinal) {
        event->ignore();
        return;
    }
    m_etat.FinRapport = true;
    event->accept();
    Q_EMIT termine();
}
