#include "frmprogression.h"

#include "apercu.h"
#include "horloge.h"
#include "placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

FrmProgression::FrmProgression(Horloge& horloge, const QString& titre, int fichiers, qint64 octets,
                               QWidget* parent)
    : QDialog(parent), m_horloge(horloge), m_fichiers(fichiers), m_octets(octets) {
    setObjectName(QStringLiteral("FrmProgression"));
    setWindowTitle(titre);
    // Once shown, no other window of the program takes a click until the operation ends.
    setWindowModality(Qt::ApplicationModal);
    LblFichiers = new QLabel(this);
    LblFichiers->setObjectName(QStringLiteral("LblFichiers"));
    LblOctets = new QLabel(this);
    LblOctets->setObjectName(QStringLiteral("LblOctets"));
    LblOctets->setVisible(octets > 0);
    Prg = new QProgressBar(this);
    Prg->setObjectName(QStringLiteral("Prg"));
    Prg->setRange(0, 1000);
    Prg->setTextVisible(false);
    Prg->setMinimumWidth(360);
    CmdAnnule = new QPushButton(QStringLiteral("Annuler"), this);
    CmdAnnule->setObjectName(QStringLiteral("CmdAnnule"));
    connect(CmdAnnule, &QPushButton::clicked, this, [this] { reject(); });
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(CmdAnnule);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(20, 16, 20, 16);
    colonne->addWidget(LblFichiers);
    colonne->addWidget(LblOctets);
    colonne->addWidget(Prg);
    colonne->addLayout(boutons);
    Avancer(0, 0);
    adjustSize();
    CentrerSurParent(*this);
    m_horloge.Differer(500, this, [this] {
        if (!m_annulee)
            show();
    });
}

void FrmProgression::Avancer(int faits, qint64 octets) {
    if (!m_annulee)
        LblFichiers->setText(QStringLiteral("Fichier %1 sur %2")
                                 .arg(std::min(faits + 1, m_fichiers))
                                 .arg(m_fichiers));
    LblOctets->setText(FormatTaille(octets) + QStringLiteral(" sur ") + FormatTaille(m_octets));
    const double part = m_octets > 0 ? double(octets) / double(m_octets)
                                     : double(faits) / double(std::max(m_fichiers, 1));
    Prg->setValue(int(std::clamp(part, 0.0, 1.0) * 1000));
    // Twenty times a second is enough for the eye, and each pass lets the folder's watchers
    // read the changes made since: in one pass, not one per file.
    if (m_pas.isValid() && m_pas.elapsed() < 50)
        return;
    m_pas.start();
    if (isVisible())
        m_horloge.TraiterEvenements();
    else
        m_horloge.TraiterAffichage();
}

void FrmProgression::reject() {
    m_annulee = true;
    CmdAnnule->setEnabled(false);
    LblFichiers->setText(QStringLiteral("Arrêt après ce fichier ..."));
}
