#include "frmdeplace.h"

#include "dialogues.h"
#include "placement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FrmDeplace::FrmDeplace(Dialogues& dialogues, const QString& rang, QWidget* parent)
    : QDialog(parent), m_dialogues(dialogues) {
    setObjectName(QStringLiteral("FrmDeplace"));
    setWindowTitle(QStringLiteral("Déplacement rapide"));
    setModal(true);

    LblTitre = new QLabel(QStringLiteral("ORDRE DE DEPLACEMENT DES FICHIERS"), this);
    LblTitre->setObjectName(QStringLiteral("LblTitre"));
    LblTitre->setAlignment(Qt::AlignCenter);
    QFont gras = LblTitre->font();
    gras.setBold(true);
    LblTitre->setFont(gras);
    LblRang = new QLabel(QStringLiteral("Déplacer au rang :  ") + rang, this);
    LblRang->setObjectName(QStringLiteral("LblRang"));
    LblRang->setAlignment(Qt::AlignCenter);

    const QString libelles[4] = {
        QStringLiteral("Au dessus du rang et dans l'ordre de la sélection"),
        QStringLiteral("Au dessus du rang et dans l'ordre inverse de la sélection"),
        QStringLiteral("Au dessous du rang et dans l'ordre de la sélection"),
        QStringLiteral("Au dessous du rang et dans l'ordre inverse de la sélection"),
    };
    auto* grille = new QGridLayout;
    grille->setColumnStretch(1, 1);
    // On screen the options below the rank come first.
    const int rangees[4] = {2, 3, 0, 1};
    for (int i = 0; i < 4; ++i) {
        Opt[i] = new QRadioButton(this);
        Opt[i]->setObjectName(QStringLiteral("Opt(%1)").arg(i));
        Opt[i]->setAccessibleName(libelles[i]);
        Lbl[i] = new QLabel(libelles[i], this);
        Lbl[i]->setObjectName(QStringLiteral("Lbl(%1)").arg(i));
        Lbl[i]->setBuddy(Opt[i]);
        Lbl[i]->setCursor(Qt::PointingHandCursor);
        Lbl[i]->installEventFilter(this);
        grille->addWidget(Opt[i], rangees[i], 0);
        grille->addWidget(Lbl[i], rangees[i], 1);
        connect(Opt[i], &QRadioButton::clicked, this, [this, i] { m_ordre = i; });
    }

    CmdOK = new QPushButton(QStringLiteral("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setAutoDefault(false);
    CmdAnnule = new QPushButton(QStringLiteral("Annuler"), this);
    CmdAnnule->setObjectName(QStringLiteral("CmdAnnule"));
    CmdAnnule->setAutoDefault(false);
    connect(CmdOK, &QPushButton::clicked, this, [this] { CmdOK_Click(); });
    connect(CmdAnnule, &QPushButton::clicked, this, [this] { reject(); });
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(CmdOK);
    boutons->addWidget(CmdAnnule);

    auto* colonne = new QVBoxLayout(this);
    // Room on every side: the longest option must not touch the window's edge.
    colonne->setContentsMargins(20, 16, 24, 16);
    grille->setHorizontalSpacing(10);
    colonne->addWidget(LblTitre);
    colonne->addWidget(LblRang);
    colonne->addSpacing(8);
    colonne->addLayout(grille);
    colonne->addSpacing(8);
    colonne->addLayout(boutons);
    adjustSize();
    CentrerSurParent(*this);
}

bool FrmDeplace::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        for (int i = 0; i < 4; ++i)
            if (objet == Lbl[i]) {
                Opt[i]->click();
                return true;
            }
    return QDialog::eventFilter(objet, event);
}

void FrmDeplace::CmdOK_Click() {
    if (m_ordre == 4) {
        m_dialogues.Message(QStringLiteral("Choisissez un mode de déplacement, ou annuler."),
                            Dialogues::Icone::Exclamation);
        return;
    }
    accept();
}

void FrmDeplace::reject() {
    m_ordre = 4;
    QDialog::reject();
}
