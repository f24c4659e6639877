#include "incrustationtexte.h"

#include "apercuphoto.h"
#include "editeurimages.h"
#include "etatprogramme.h"
#include "frmoptions.h"
#include "frmphoto.h"
#include "incrustation.h"
#include "menusphoto.h"
#include "plateforme.h"
#include "redimension.h"
#include "resultatsretouche.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>

IncrustationTexte::IncrustationTexte(FrmPhoto& fenetre) : QObject(&fenetre), m_f(fenetre) {
    MenusPhoto& menus = m_f.menus();
    menus.Brancher(QStringLiteral("mnuOptTexte"), [this] { mnuOptTexte_Click(); });
    QAction* options = menus.article(QStringLiteral("mnuOptTexte"));
    options->setEnabled(false);
    m_f.Txt->hide();
    // What the box's state implies, whoever changes it (the list click unticks it for a file
    // that is not a picture).
    connect(m_f.ChkIns, &QCheckBox::toggled, this, [this, options](bool coche) {
        options->setEnabled(coche);
        m_f.Txt->setVisible(coche);
        m_f.Txt->setEnabled(coche && !m_f.etat().PasDePhoto);
        if (!coche)
            m_f.Txt->clear();
    });
    connect(m_f.ChkIns, &QCheckBox::clicked, this, [this] { ChkIns_Click(); });
    m_f.Txt->installEventFilter(this);
}

void IncrustationTexte::ChkIns_Click() {
    if (m_f.ChkIns->isChecked())
        m_f.Txt->setText(TexteAIncruster);
    m_f.TxtFileName->setFocus();
    m_f.plateforme().horloge.TraiterEvenements();
}

bool IncrustationTexte::eventFilter(QObject* objet, QEvent* event) {
    if (objet == m_f.Txt) {
        if (event->type() == QEvent::FocusIn && m_f.Txt->text() == TexteAIncruster)
            m_f.Txt->clear();
        else if (event->type() == QEvent::FocusOut && m_f.Txt->text().isEmpty() &&
                 m_f.ChkIns->isChecked())
            m_f.Txt->setText(TexteAIncruster);
    }
    return QObject::eventFilter(objet, event);
}

QString IncrustationTexte::TexteIncruste() const {
    const QString texte = m_f.Txt->text();
    return texte == TexteAIncruster ? QString() : texte;
}

void IncrustationTexte::mnuOptTexte_Click() {
    EtatProgramme& etat = m_f.etat();
    const QString texte = TexteIncruste();
    FrmOptions fenetre(m_f.plateforme(), etat.options, texte.isEmpty() ? TexteAIncruster : texte,
                       m_f.Img0->pixmap(), QSize(etat.LargeurPhoto, etat.HauteurPhoto), &m_f);
    if (m_f.plateforme().dialogues.Executer(fenetre) == QDialog::Accepted) {
        const Options& choisies = fenetre.options();
        m_f.parametres().ChangerOptions([&] {
            Options& o = etat.options;
            o.PoliceTexte = choisies.PoliceTexte;
            o.TaillePolice = choisies.TaillePolice;
            o.PoliceGras = choisies.PoliceGras;
            o.PoliceItalique = choisies.PoliceItalique;
            o.PoliceSouligne = choisies.PoliceSouligne;
            o.CouleurTexte = choisies.CouleurTexte;
            o.PositionTexte = choisies.PositionTexte;
            o.EffacerOriginal = choisies.EffacerOriginal;
            o.PositionX = choisies.PositionX;
            o.PositionY = choisies.PositionY;
        });
    }
    m_f.TxtFileName->setFocus();
}

IncrustationTexte::Issue IncrustationTexte::Incruster(int& rang) {
    const QString texte = TexteIncruste();
    if (!m_f.ChkIns->isChecked() || texte.isEmpty())
        return Issue::Rien;
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    ApercuPhoto& apercu = m_f.apercu();
    const QPersistentModelIndex entree = apercu.EntreeAffichee;
    const QString nom = apercu.NomInitial;
    auto intacte = [&] { return entree.isValid() && entree.data().toString() == nom; };
    if (!intacte())
        return Issue::Arret;
    const QString resultat = NomResultat(QStringLiteral("(T)"), nom);
    const QString chemin = etat.RepertoireOuvert + resultat;
    const bool remplacer = p.fichiers.Existe(chemin);
    if (remplacer) {
        const auto r = p.dialogues.Message(
            QStringLiteral("Le nom du fichier avec incrustation de texte (T) %1 existe déjà.\n"
                           "Voulez-vous le remplacer ?")
                .arg(BaseNom(nom) + QStringLiteral(".jpg")),
            Dialogues::Icone::Information, Dialogues::Boutons::OuiNon, 1);
        if (r != Dialogues::Reponse::Oui || !intacte()) {
            if (!intacte())
                m_f.LstFF_Click();
            return Issue::Arret;
        }
    }

    // The picture as it is shown: upright, turned by a rotation still waiting.
    const auto source = EditeurImages::Ouvrir(etat.RepertoireOuvert + nom);
    QImage image = source ? EditeurImages::Decoder(*source) : QImage();
    if (image.isNull()) {
        p.dialogues.Message(QStringLiteral("Cette image n'a pas pu être lue :\n%1\n\nLe texte n'y "
                                           "a pas été incrusté.")
                                .arg(nom),
                            Dialogues::Icone::Exclamation);
        return Issue::Arret;
    }
    if (etat.RotationEnCours)
        image = EditeurImages::TournerGauche(image, etat.QuartsAGauche);
    ResultatsRetouche::DessinerTexte(image, texte, etat.options);
    const auto jpeg = EditeurImages::EncoderJpeg(image, &*source);
    if (!jpeg)
        return Issue::Echec;
    switch (ResultatsRetouche::PublierResultat(m_f, *jpeg, resultat, remplacer, entree.row())) {
    case ResultatsRetouche::Publication::Refusee:
        return Issue::Arret;
    case ResultatsRetouche::Publication::Echouee:
        return Issue::Echec;
    case ResultatsRetouche::Publication::Faite:
        break;
    }
    rang = entree.row();
    p.horloge.TraiterEvenements();
    if (etat.options.EffacerOriginal != 1 || !intacte())
        return Issue::Ecrite;
    switch (ResultatsRetouche::Sauvegarder(m_f, nom)) {
    case ResultatsRetouche::Sauvegarde::Faite:
        // The result takes the photo's place.
        rang = ResultatsRetouche::RetirerEntree(m_f, nom);
        return Issue::SourceSauvegardee;
    case ResultatsRetouche::Sauvegarde::Refusee:
        return Issue::Ecrite;
    case ResultatsRetouche::Sauvegarde::Echouee:
        break;
    }
    return Issue::Echec;
}
