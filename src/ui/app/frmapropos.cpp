#include "frmapropos.h"

#include "plateforme.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

FrmAPROPOS::FrmAPROPOS(Plateforme& plateforme, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAPROPOS"));
    setWindowTitle(QStringLiteral("A Propos"));
    setStyleSheet(QStringLiteral("QDialog { background: rgb(64,64,64); } QLabel { color: "
                                 "rgb(255,255,230); }"));

    auto* icone = new QLabel(this);
    icone->setObjectName(QStringLiteral("ImgIcone"));
    icone->setPixmap(QPixmap(QStringLiteral(":/icones/vimbral.png"))
                         .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icone->setAlignment(Qt::AlignCenter);
    auto* nom = new QLabel(QStringLiteral("VIMBRAL"), this);
    nom->setObjectName(QStringLiteral("LblNom"));
    nom->setAlignment(Qt::AlignCenter);
    nom->setStyleSheet(QStringLiteral("color: rgb(253,220,106); font-size: 32px; font-weight: "
                                      "bold; letter-spacing: 4px;"));
    auto* ligne = new QLabel(
        QStringLiteral("Pour renommer et organiser rapidement vos fichiers photos"), this);
    ligne->setAlignment(Qt::AlignCenter);
    auto* version =
        new QLabel(QStringLiteral("[Version %1]").arg(plateforme.environnement.version), this);
    version->setObjectName(QStringLiteral("LblVersion"));
    version->setAlignment(Qt::AlignCenter);
    // Where the program keeps its settings: the one place a user may want to reach from here.
    const QString dossier = plateforme.environnement.dossierProgramme;
    auto* lien = new QLabel(
        QStringLiteral("<a href=\"#\" style=\"color: rgb(253,220,106)\">Dossier des réglages du "
                       "programme</a>"),
        this);
    lien->setObjectName(QStringLiteral("LblLien"));
    lien->setAlignment(Qt::AlignCenter);
    lien->setToolTip(dossier);
    connect(lien, &QLabel::linkActivated, this,
            [&plateforme, dossier] { plateforme.shell.Ouvrir(dossier); });
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("CmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(30, 24, 30, 18);
    disposition->setSpacing(12);
    disposition->addWidget(icone);
    disposition->addWidget(nom);
    disposition->addWidget(ligne);
    disposition->addWidget(version);
    disposition->addWidget(lien);
    disposition->addWidget(ok, 0, Qt::AlignCenter);
}
