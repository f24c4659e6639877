#include "frmchoixtaille.h"

#include "controles.h"
#include "placement.h"
#include "plateforme.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FrmChoixTaille::FrmChoixTaille(Plateforme& plateforme, const QString& repertoireOuvert,
                               QWidget* parent)
    : QDialog(parent), m_plateforme(plateforme), m_repertoire(repertoireOuvert) {
    setObjectName(QStringLiteral("FrmChoixTaille"));
    setWindowTitle(QStringLiteral("Taille des photos redimensionnées"));
    setModal(true);

    const QString libelles[3] = {QStringLiteral("Largeur maximum (pixels)"),
                                 QStringLiteral("Hauteur maximum (pixels)"),
                                 QStringLiteral("Pourcentage de l'image initiale")};
    const QString noms[3] = {QStringLiteral("TxtL"), QStringLiteral("TxtH"),
                             QStringLiteral("TxtP")};
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(12);
    for (int i = 0; i < 3; ++i) {
        Opt[i] = new QRadioButton(libelles[i], this);
        Opt[i]->setObjectName(QStringLiteral("Opt(%1)").arg(i));
        m_boites[i] = new QLineEdit(this);
        m_boites[i]->setObjectName(noms[i]);
        m_boites[i]->setAccessibleName(libelles[i]);
        m_boites[i]->setMaximumWidth(90);
        m_boites[i]->setEnabled(false);
        grille->addWidget(Opt[i], i, 0);
        grille->addWidget(m_boites[i], i, 1);
        connect(Opt[i], &QRadioButton::clicked, this, [this, i] { Opt_Click(i); });
    }
    TxtL = m_boites[0];
    TxtH = m_boites[1];
    TxtP = m_boites[2];

    auto* note = new QLabel(QStringLiteral("Les ratios d'images initiales sont conservés"), this);
    CmdOK = BoutonFenetre(this, QStringLiteral("CmdOK"), QStringLiteral("OK"));
    CmdExit = BoutonFenetre(this, QStringLiteral("CmdExit"), QStringLiteral("Annuler"));
    connect(CmdOK, &QPushButton::clicked, this, [this] { CmdOK_Click(); });
    connect(CmdExit, &QPushButton::clicked, this, [this] {
        ChoixTaille = RegleTaille::Aucune;
        reject();
    });
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(CmdOK);
    boutons->addWidget(CmdExit);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(20, 16, 20, 16);
    colonne->addLayout(grille);
    colonne->addSpacing(8);
    colonne->addWidget(note);
    colonne->addSpacing(8);
    colonne->addLayout(boutons);
    adjustSize();
    setFixedSize(sizeHint());
    CentrerSurParent(*this);
}

void FrmChoixTaille::Opt_Click(int index) {
    for (int i = 0; i < 3; ++i) {
        QLineEdit* b = m_boites[i];
        b->clear();
        b->setEnabled(i == index);
        b->setStyleSheet(i == index ? QStringLiteral("background: rgb(48,126,173); color: white;")
                                    : QStringLiteral("background: white;"));
    }
    m_boites[index]->setFocus();
    ChoixTaille = RegleTaille(index + 1);
}

void FrmChoixTaille::CmdOK_Click() {
    Dialogues& d = m_plateforme.dialogues;
    if (TxtL->text().isEmpty() && TxtH->text().isEmpty() && TxtP->text().isEmpty()) {
        d.Message(QStringLiteral("Vous n'avez pas fait de choix !"), Dialogues::Icone::Information);
        return;
    }
    Valeur = NombreEnTete(m_boites[int(ChoixTaille) - 1]->text());
    if (Valeur <= 0) {
        d.Message(QStringLiteral("Inscrivez un nombre supérieur à zéro."),
                  Dialogues::Icone::Information);
        m_boites[int(ChoixTaille) - 1]->setFocus();
        return;
    }
    // A folder of that name already there (a batch in the same minute) is not taken over.
    const QString dossier = m_repertoire + NomDossierRedim(m_plateforme.horloge.Maintenant());
    if (m_plateforme.fichiers.Existe(dossier) || !m_plateforme.fichiers.CreerDossier(dossier)) {
        d.Message(QStringLiteral("Les fichiers à redimensionner sont probablement situés sur un "
                                 "support \"disque.\"\n\nRecopiez ces fichiers dans un dossier de "
                                 "votre disque dur pour avoir accès à ce redimensionnement."),
                  Dialogues::Icone::Information);
        ChoixTaille = RegleTaille::Aucune;
        reject();
        return;
    }
    DossierRedim = dossier;
    accept();
}
