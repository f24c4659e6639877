#include "resultatsretouche.h"

#include "editeurimages.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "incrustation.h"
#include "nomcopie.h"
#include "plateforme.h"

#include <QFontMetricsF>
#include <QImage>
#include <QListWidget>
#include <QPainter>

namespace ResultatsRetouche {

QString DossierSauvegarde(FrmPhoto& f) {
    return f.plateforme().environnement.dossierProgramme + QStringLiteral("/Photos sauvegardées/");
}

namespace {

// Changes the list without its click handling running for each change.
template <typename F> auto sansClic(FrmPhoto& f, F&& changer) {
    EtatProgramme& etat = f.etat();
    const bool occupee = etat.ListeOccupee;
    etat.ListeOccupee = true;
    const auto resultat = changer();
    etat.ListeOccupee = occupee;
    return resultat;
}

} // namespace

int InsererApres(FrmPhoto& f, int rang, const QString& nom) {
    if (const auto deja = f.LstFF->findItems(nom, Qt::MatchExactly); !deja.isEmpty())
        return f.LstFF->row(deja.first());
    return sansClic(f, [&] {
        f.LstFF->insertItem(rang + 1, nom);
        return rang + 1;
    });
}

int RetirerEntree(FrmPhoto& f, const QString& nom) {
    const auto trouves = f.LstFF->findItems(nom, Qt::MatchExactly);
    if (trouves.isEmpty())
        return -1;
    return sansClic(f, [&] {
        const int rang = f.LstFF->row(trouves.first());
        delete trouves.first();
        return rang;
    });
}

bool MettreAuRebut(FrmPhoto& f, const QString& chemin) {
    const Resultat r = f.plateforme().fichiers.MettreCorbeille(chemin);
    if (!r)
        f.plateforme().dialogues.Message(
            QStringLiteral("Ce fichier n'a pas pu être mis à la corbeille :\n%1\n%2\n\nIl n'a pas "
                           "été remplacé.")
                .arg(chemin, r.message),
            Dialogues::Icone::Exclamation);
    return r.ok;
}

Publication PublierResultat(FrmPhoto& f, const QByteArray& contenu, const QString& nom,
                            bool remplacer, int rang) {
    const QString chemin = f.etat().RepertoireOuvert + nom;
    if (remplacer) {
        if (!MettreAuRebut(f, chemin))
            return Publication::Refusee;
        // The entry of the file given up goes; the rows after it move up.
        if (const int retiree = RetirerEntree(f, nom); retiree >= 0 && retiree <= rang)
            --rang;
    }
    if (!EditeurImages::Publier(f.plateforme().fichiers, contenu, chemin))
        return Publication::Echouee;
    InsererApres(f, rang, nom);
    return Publication::Faite;
}

Sauvegarde Sauvegarder(FrmPhoto& f, const QString& nom) {
    Plateforme& p = f.plateforme();
    const QString dossier = DossierSauvegarde(f);
    p.fichiers.CreerDossier(dossier.chopped(1));
    const auto cible =
        NomDansDossier(nom, [&](const QString& n) { return p.fichiers.Existe(dossier + n); });
    if (!cible) {
        p.dialogues.Message(QStringLiteral("Le fichier %1 et sa copie sont déjà présents dans le "
                                           "répertoire de sauvegarde.\nIl reste à sa place.")
                                .arg(nom),
                            Dialogues::Icone::Exclamation);
        return Sauvegarde::Refusee;
    }
    if (*cible != nom)
        p.dialogues.Message(QStringLiteral("Le fichier %1 est déjà présent dans le répertoire de "
                                           "sauvegarde.\nCelui-ci sera sauvegardé sous le nom de "
                                           ": %2")
                                .arg(nom, *cible),
                            Dialogues::Icone::Information);
    if (!p.fichiers.Deplacer(f.etat().RepertoireOuvert + nom, dossier + *cible))
        return Sauvegarde::Echouee;
    return Sauvegarde::Faite;
}

QColor CouleurOption(qint32 rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

qint32 OptionCouleur(const QColor& c) {
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

void DessinerTexte(QImage& image, const QString& texte, const Options& options) {
    Options o = options;
    if (!IncrustationReglee(o))
        AppliquerDefautsIncrustation(o);
    QFont police(o.PoliceTexte);
    police.setPointSizeF(o.TaillePolice);
    police.setBold(o.PoliceGras != 0);
    police.setItalic(o.PoliceItalique != 0);
    police.setUnderline(o.PoliceSouligne != 0);
    police.setStyleStrategy(QFont::PreferAntialias);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(police);
    p.setPen(CouleurOption(o.CouleurTexte));
    const QSizeF taille = QFontMetricsF(police, &image).size(Qt::TextSingleLine, texte);
    const QPointF coin =
        PositionTexte(o.PositionTexte, image.size(), taille, o.PositionX, o.PositionY);
    p.drawText(QRectF(coin, taille), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texte);
}

} // namespace ResultatsRetouche
