#include "frmavertissement.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmAvertissement::FrmAvertissement(bool afficherAvertissement, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAvertissement"));
    setWindowTitle(QStringLiteral("Avertissement"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setText(QStringLiteral(
        "SELECTIONNEZ les fichiers à renommer, APRES avoir choisi les OPTIONS, puis cliquez sur "
        "le bouton 'ACTION'.\n\nLa liste des fichiers sélectionnés sera incrémentée des "
        "chiffres 1, 2, 3, etc..., avec le titre éventuellement choisi, sans limitation de "
        "nombre...\n\nou seulement renommée (si elle a déjà été incrémentée)."));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setText(QStringLiteral(
        "La position du numéro d'incrémentation, à GAUCHE du texte, est désormais la position "
        "par défaut.\n\nCe numéro pourra être placé à droite à partir du menu 'Options'.\n\nLa "
        "CHAINE de LIAISON est la chaine de caractères (espaces compris) qui relie le numéro "
        "d'incrémentation au nom du fichier.\n\n Cette chaine ne doit JAMAIS être présente dans "
        "le nom du fichier !"));
    Label2->setStyleSheet(QStringLiteral("color: #7a1f1f;"));

    ChkAv = new QCheckBox(QStringLiteral("Ne plus afficher "), this);
    ChkAv->setObjectName(QStringLiteral("ChkAv"));
    ChkAv->setChecked(!afficherAvertissement);
    CmdOK = new QPushButton(QStringLiteral("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);

    connect(ChkAv, &QCheckBox::clicked, this, [this](bool coche) {
        Q_EMIT afficherAvertissementChoisi(!coche);
        CmdOK->setFocus();
    });
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* bas = new QHBoxLayout;
    bas->addWidget(ChkAv);
    bas->addStretch(1);
    bas->addWidget(CmdOK);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(Label1);
    disposition->addSpacing(12);
    disposition->addWidget(Label2);
    disposition->addSpacing(12);
    disposition->addLayout(bas);
    setFixedWidth(520);
}
