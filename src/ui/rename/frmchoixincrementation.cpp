#include "frmchoixincrementation.h"

#include "dialogues.h"
#include "nomincremente.h"
#include "planincrementation.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

namespace {
const QString LiaisonParDefaut = QStringLiteral(" _ ");

template <typename T> T* controle(QWidget* parent, const QString& nom) {
    auto* c = new T(parent);
    c->setObjectName(nom);
    return c;
}
} // namespace

FrmChoixIncrementation::FrmChoixIncrementation(ParametresIncrementation& parametres,
                                               QString& chaineLiaison, Dialogues& dialogues,
                                               QWidget* parent)
    : QDialog(parent), m_p(parametres), m_chaineLiaison(chaineLiaison), m_dialogues(dialogues) {
    setObjectName(QStringLiteral("FrmChoixIncrémentation"));
    setWindowTitle(QStringLiteral("Options d'incrémentation"));
    m_p.PositionNumero = 1;
    m_p.ToutSelectionner = 0;

    auto* position = new QGroupBox(QStringLiteral("Position du numéro"), this);
    Opt1 = controle<QRadioButton>(position, QStringLiteral("Opt1"));
    Opt1->setText(QStringLiteral("à gauche"));
    Opt1->setChecked(true);
    Opt2 = controle<QRadioButton>(position, QStringLiteral("Opt2"));
    Opt2->setText(QStringLiteral("à droite"));
    Lbl1 = controle<QLabel>(position, QStringLiteral("Lbl1"));
    Lbl2 = controle<QLabel>(position, QStringLiteral("Lbl2"));
    for (QLabel* exemple : {Lbl1, Lbl2}) {
        exemple->setFrameShape(QFrame::StyledPanel);
        exemple->setMargin(3);
        exemple->setTextFormat(Qt::PlainText);
    }
    auto* grille = new QGridLayout(position);
    grille->addWidget(Opt1, 0, 0);
    grille->addWidget(Lbl1, 0, 1);
    grille->addWidget(Opt2, 1, 0);
    grille->addWidget(Lbl2, 1, 1);
    grille->setColumnStretch(1, 1);

    TxtL = controle<QLineEdit>(this, QStringLiteral("TxtL"));
    TxtChiffre = controle<QLineEdit>(this, QStringLiteral("TxtChiffre"));
    auto* saisies = new QFormLayout;
    saisies->addRow(QStringLiteral("Chaine de liaison (espaces compris) :"), TxtL);
    saisies->addRow(QStringLiteral("Chiffre de départ :"), TxtChiffre);

    ChkTitre = controle<QCheckBox>(this, QStringLiteral("ChkTitre"));
    ChkTitre->setText(QStringLiteral("Inscrire un titre pour la liste"));
    ChkRenom = controle<QCheckBox>(this, QStringLiteral("ChkRenom"));
    ChkRenom->setText(QStringLiteral("Renommer une liste déjà incrémentée"));
    ChkSel = controle<QCheckBox>(this, QStringLiteral("ChkSel"));
    ChkSel->setText(QStringLiteral("Sélectionner tous les fichiers de la liste"));
    ChkTitre->setChecked(m_p.AvecTitre == 1);

    CmdOK = controle<QPushButton>(this, QStringLiteral("CmdOK"));
    CmdOK->setText(QStringLiteral("OK"));
    CmdOK->setDefault(true);
    CmdAnnule = controle<QPushButton>(this, QStringLiteral("CmdAnnule"));
    CmdAnnule->setText(QStringLiteral("Annuler"));
    CmdI = controle<QPushButton>(this, QStringLiteral("CmdI"));
    CmdI->setText(QStringLiteral("?"));
    CmdI->setToolTip(QStringLiteral("Aide"));
    CmdI->setFixedWidth(32);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(CmdI);
    boutons->addStretch(1);
    boutons->addWidget(CmdOK);
    boutons->addWidget(CmdAnnule);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(position);
    disposition->addLayout(saisies);
    disposition->addSpacing(6);
    disposition->addWidget(ChkTitre);
    disposition->addWidget(ChkRenom);
    disposition->addWidget(ChkSel);
    disposition->addSpacing(6);
    disposition->addLayout(boutons);
    setMinimumWidth(420);

    connect(Opt1, &QRadioButton::clicked, this, [this] {
        m_p.PositionNumero = 1;
        TxtChiffre->setFocus();
    });
    connect(Opt2, &QRadioButton::clicked, this, [this] {
        m_p.PositionNumero = 2;
        TxtChiffre->setFocus();
    });
    connect(TxtL, &QLineEdit::textChanged, this, &FrmChoixIncrementation::TxtL_Change);
    connect(ChkRenom, &QCheckBox::clicked, this, &FrmChoixIncrementation::ChkRenom_Click);
    connect(ChkTitre, &QCheckBox::toggled, this, [this](bool coche) {
        if (!coche && ChkRenom->isChecked())
            ChkTitre->setChecked(true);
    });
    connect(CmdOK, &QPushButton::clicked, this, &FrmChoixIncrementation::CmdOK_Click);
    connect(CmdAnnule, &QPushButton::clicked, this, &FrmChoixIncrementation::CmdAnnule_Click);
    connect(CmdI, &QPushButton::clicked, this, &FrmChoixIncrementation::CmdI_Click);
    TxtL->installEventFilter(this);
    TxtChiffre->installEventFilter(this);

    // A settings file may hold an empty link string, which no name could be split at.
    TxtL->setText(m_chaineLiaison.isEmpty() ? LiaisonParDefaut : m_chaineLiaison);
    TxtChiffre->setText(QStringLiteral("1"));
    TxtChiffre->setFocus();
}

bool FrmChoixIncrementation::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (objet == TxtL || objet == TxtChiffre)) {
        // After the click that gave the focus, or the click would undo the selection.
        auto* boite = static_cast<QLineEdit*>(objet);
        QTimer::singleShot(0, boite, [boite] { boite->selectAll(); });
    } else if (event->type() == QEvent::FocusOut && objet == TxtChiffre) {
        const auto raison = static_cast<QFocusEvent*>(event)->reason();
        // Only a move to another control counts, not the window losing the focus to a box.
        if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason)
            TxtChiffre_LostFocus();
    }
    return QDialog::eventFilter(objet, event);
}

void FrmChoixIncrementation::TxtL_Change(const QString& texte) {
    Lbl1->setText(QStringLiteral("Numéro") + texte + QStringLiteral("Titre"));
    Lbl2->setText(QStringLiteral("Titre") + texte + QStringLiteral("Numéro"));
    if (!texte.isEmpty())
        return;
    m_dialogues.Message(QStringLiteral("Chaine vide interdite !\nCaractère \" _ \" par défaut."),
                        Dialogues::Icone::Exclamation);
    TxtL->setText(LiaisonParDefaut);
    TxtL->selectAll();
}

void FrmChoixIncrementation::ChkRenom_Click() {
    const bool renommer = ChkRenom->isChecked();
    if (renommer)
        ChkTitre->setChecked(true);
    Opt1->setEnabled(!renommer);
    Opt2->setEnabled(!renommer);
    TxtChiffre->setEnabled(!renommer);
    if (renommer)
        CmdOK->setFocus();
    else
        TxtChiffre->setFocus();
}

void FrmChoixIncrementation::TxtChiffre_LostFocus() {
    if (m_verification || TxtChiffre->text().trimmed() != QLatin1String("0"))
        return;
    m_verification = true;
    m_dialogues.Message(QStringLiteral("Le chiffre de début ne doit pas commencer par zéro."),
                        Dialogues::Icone::Information);
    TxtChiffre->setText(QStringLiteral("1"));
    TxtChiffre->setFocus();
    m_verification = false;
}

void FrmChoixIncrementation::CmdOK_Click() {
    const qint64 depart = NomIncremente::ValeurNumerique(TxtChiffre->text());
    // Numbers are 16-bit: a start beyond that range is refused like a null one.
    if (depart < 1 || depart > std::numeric_limits<qint16>::max()) {
        m_dialogues.Message(QStringLiteral("Valeur de départ incorrecte ou nulle !\nLa valeur "
                                           "minimale est '1', ou '0...01'"),
                            Dialogues::Icone::Critique);
        TxtChiffre->setFocus();
        TxtChiffre->setText(QStringLiteral("1"));
        TxtChiffre->selectAll();
        return;
    }
    m_p.NumeroDepart = qint16(depart);
    m_p.ChiffreDepart = TxtChiffre->text();
    m_p.AvecTitre = ChkTitre->isChecked() ? 1 : 0;
    m_p.RenommerListe = ChkRenom->isChecked() ? 1 : 0;
    m_p.ToutSelectionner = ChkSel->isChecked() ? 1 : 0;
    m_chaineLiaison = TxtL->text();
    accept();
}

void FrmChoixIncrementation::CmdAnnule_Click() {
    reject();
}

void FrmChoixIncrementation::CmdI_Click() {
    m_dialogues.Message(QStringLiteral("Les fichiers d'aide ne sont plus lus  ! "),
                        Dialogues::Icone::Critique);
}
