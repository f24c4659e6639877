#include "rotation.h"

#include "apercu.h"
#include "apercuphoto.h"
#include "editeurimages.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "plateforme.h"
#include "redimension.h"
#include "resultatsretouche.h"
#include "selectionliste.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QToolButton>

#include <algorithm>

Rotation::Rotation(FrmPhoto& fenetre) : m_f(fenetre) {
    QObject::connect(m_f.axBPivoter, &QToolButton::clicked, m_f.axBPivoter,
                     [this] { axBPivoter_Click(); });
    m_f.RendreDisponible(m_f.axBPivoter);
}

void Rotation::axBPivoter_Click() {
    EtatProgramme& etat = m_f.etat();
    ApercuPhoto& apercu = m_f.apercu();
    const QPersistentModelIndex entree = apercu.EntreeAffichee;
    const QString nom = apercu.NomInitial;
    auto intacte = [&] {
        return entree.isValid() && entree.data().toString() == nom &&
               SeulSelectionne(m_f.LstFF) == entree.row();
    };
    if (etat.PasDePhoto || !intacte())
        return;
    // The first turn of a picture reads it once, large enough for the preview either way up.
    if (!etat.RotationEnCours || m_entree != entree || m_nom != nom) {
        const auto source = EditeurImages::Ouvrir(etat.RepertoireOuvert + nom);
        const QRect cadre = m_f.CadreApercu();
        const int cote = std::max(cadre.width(), cadre.height());
        m_image = source ? EditeurImages::Decoder(*source, QSize(cote, cote)) : QImage();
        if (m_image.isNull())
            return;
        m_taille = source->taille();
        m_octets = source->octets.size();
        m_entree = entree;
        m_nom = nom;
        etat.QuartsAGauche = 0;
    }
    etat.RotationEnCours = true;
    etat.QuartsAGauche = (etat.QuartsAGauche + 1) % 4;
    m_f.plateforme().horloge.TraiterEvenements();
    if (!intacte())
        return;
    AfficherTourne();
    m_f.TxtFileName->setFocus();
}

void Rotation::AfficherTourne() {
    EtatProgramme& etat = m_f.etat();
    const QSize taille = etat.QuartsAGauche % 2 ? m_taille.transposed() : m_taille;
    etat.LargeurPhoto = taille.width();
    etat.HauteurPhoto = taille.height();
    etat.RapportPhoto = float(taille.width()) / float(taille.height());
    const QRect cadre = m_f.CadreApercu();
    const QSizeF affichee =
        TailleAffichee(taille.width(), taille.height(), cadre.width(), cadre.height());
    const QImage vue = EditeurImages::TournerGauche(m_image, etat.QuartsAGauche);
    m_f.Img0->setPixmap(QPixmap::fromImage(
        vue.scaled(affichee.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_f.Img0->setGeometry(
        CadreCentre(2.0 * cadre.x() + cadre.width(), 2.0 * cadre.y() + cadre.height(), affichee)
            .toRect());
    m_f.LblTaille->setText(
        LigneInformations(m_octets, taille.width(), taille.height(), etat.DatePhoto));
}

void Rotation::Oublier() {
    m_f.etat().RotationEnCours = false;
    m_f.etat().QuartsAGauche = 0;
}

RenommageClavier::Etape Rotation::EnregistrerRotation(int& rang) {
    using Etape = RenommageClavier::Etape;
    ApercuPhoto& apercu = m_f.apercu();
    const QPersistentModelIndex entree = apercu.EntreeAffichee;
    const QString nom = apercu.NomInitial;
    const auto r = m_f.plateforme().dialogues.Message(
        QStringLiteral("Enregistrer la rotation de l'image ?"), Dialogues::Icone::Question,
        Dialogues::Boutons::OuiNon, 1);
    // No, or the list changed meanwhile: the picture is shown again as it is stored.
    if (r != Dialogues::Reponse::Oui || !entree.isValid() || entree.data().toString() != nom) {
        m_f.LstFF_Click();
        return Etape::Arreter;
    }
    const Etape e = Ecrire(nom, rang);
    if (e == Etape::Continuer)
        Oublier();
    return e;
}

RenommageClavier::Etape Rotation::Ecrire(const QString& nom, int& rang) {
    using Etape = RenommageClavier::Etape;
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    const QString chemin = etat.RepertoireOuvert + nom;
    const int quarts = etat.QuartsAGauche;
    const auto source = EditeurImages::Ouvrir(chemin);
    if (!source)
        return Etape::Echouer;
    const bool bmp = source->format == "bmp";
    if (source->estJpeg() || bmp) {
        if (p.fichiers.LectureSeule(chemin)) {
            p.dialogues.Message(QStringLiteral("Ce fichier est protégé en écriture (lecture "
                                               "seule) :\n%1\n\nLa rotation n'a pas été "
                                               "enregistrée.")
                                    .arg(nom),
                                Dialogues::Icone::Exclamation);
            return Etape::Arreter;
        }
        std::optional<QByteArray> octets;
        if (source->estJpeg())
            octets = EditeurImages::PivoterSansPerte(*source, quarts);
        if (!octets) {
            // Blocks cut by an edge: the picture is turned whole and encoded again.
            const QImage image =
                EditeurImages::TournerGauche(EditeurImages::Decoder(*source), quarts);
            if (!image.isNull())
                octets = bmp ? EditeurImages::EncoderBmp(image)
                             : EditeurImages::EncoderJpeg(image, &*source);
        }
        if (!octets)
            return Etape::Echouer;
        if (*octets == source->octets)
            return Etape::Continuer;
        return p.fichiers.EcrireAtomique(chemin, *octets) ? Etape::Continuer : Etape::Echouer;
    }
    // Any other picture gets a JPEG of its base name beside it.
    const QString resultat = NomResultat({}, nom);
    const QString cible = etat.RepertoireOuvert + resultat;
    const bool remplacer = p.fichiers.Existe(cible);
    if (remplacer) {
        const auto r = p.dialogues.Message(
            QStringLiteral("Le fichier %1 existe déjà.\nVoulez-vous le remplacer ?").arg(resultat),
            Dialogues::Icone::Question, Dialogues::Boutons::OuiNon, 1);
        if (r != Dialogues::Reponse::Oui) {
            m_f.LstFF_Click();
            return Etape::Arreter;
        }
    }
    const QImage image = EditeurImages::TournerGauche(EditeurImages::Decoder(*source), quarts);
    const auto jpeg = image.isNull() ? std::nullopt : EditeurImages::EncoderJpeg(image, &*source);
    const QPersistentModelIndex entree = m_f.apercu().EntreeAffichee;
    if (!jpeg || !entree.isValid())
        return Etape::Echouer;
    switch (ResultatsRetouche::PublierResultat(m_f, *jpeg, resultat, remplacer, entree.row())) {
    case ResultatsRetouche::Publication::Refusee:
        return Etape::Arreter;
    case ResultatsRetouche::Publication::Echouee:
        return Etape::Echouer;
    case ResultatsRetouche::Publication::Faite:
        break;
    }
    rang = entree.row();
    return Etape::Continuer;
}
