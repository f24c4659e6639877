#include "redimension.h"

#include "nomsfichiers.h"

#include <cmath>

QString BaseNom(const QString& nom) {
    QString base = nom;
    while (NomsFichiers::EstMarque(base))
        base.chop(NomsFichiers::MarqueM.size());
    const qsizetype point = base.lastIndexOf(QLatin1Char('.'));
    if (point <= 0)
        return base;
    const QString extension = base.mid(point + 1);
    if (extension.isEmpty() || extension.size() > 5)
        return base;
    for (const QChar c : extension)
        if (!c.isLetterOrNumber())
            return base;
    return base.left(point);
}

QString NomResultat(const QString& prefixe, const QString& nom) {
    return prefixe + BaseNom(nom) + QStringLiteral(".jpg");
}

namespace {

QSize arrondie(double largeur, double hauteur) {
    if (!std::isfinite(largeur) || !std::isfinite(hauteur))
        return {};
    const double l = std::round(largeur);
    const double h = std::round(hauteur);
    if (l < 1 || h < 1 || l > 1e9 || h > 1e9)
        return {};
    return {int(l), int(h)};
}

} // namespace

QSize TailleRedim(RegleTaille regle, double valeur, const QSize& photo) {
    if (photo.isEmpty() || valeur <= 0)
        return {};
    const double rapport = double(photo.width()) / photo.height();
    switch (regle) {
    case RegleTaille::Largeur:
        return arrondie(valeur, valeur / rapport);
    case RegleTaille::Hauteur:
        return arrondie(valeur * rapport, valeur);
    case RegleTaille::Pourcentage:
        return arrondie(photo.width() * valeur / 100, photo.height() * valeur / 100);
    case RegleTaille::Aucune:
        break;
    }
    return {};
}

QSize TailleChoisie(double largeur, double hauteur, double rapport) {
    if (rapport <= 0 || (largeur <= 0 && hauteur <= 0))
        return {};
    return arrondie(largeur > 0 ? largeur : hauteur * rapport,
                    hauteur > 0 ? hauteur : largeur / rapport);
}

bool TailleAcceptable(const QSize& taille) {
    return !taille.isEmpty() && taille.width() <= CoteMaximum && taille.height() <= CoteMaximum &&
           qint64(taille.width()) * taille.height() <= PixelsMaximum;
}

double NombreEnTete(const QString& texte) {
    const QString t = texte.trimmed();
    qsizetype fin = 0;
    bool virgule = false;
    while (fin < t.size() && (t[fin].isDigit() || (!virgule && (t[fin] == QLatin1Char('.') ||
                                                                t[fin] == QLatin1Char(','))))) {
        virgule = virgule || !t[fin].isDigit();
        ++fin;
    }
    QString nombre = t.left(fin);
    nombre.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double valeur = nombre.toDouble(&ok);
    return ok ? valeur : 0;
}

QString NomDossierRedim(const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    return QStringLiteral("Redim %1-%2-%3  [%4H%5]")
        .arg(d.year())
        .arg(d.month())
        .arg(d.day())
        .arg(t.hour())
        .arg(t.minute(), 2, 10, QLatin1Char('0'));
}

QString MessageFinRedim(int ecrites, const QString& dossier, const QStringList& nonEcrites) {
    QString texte = QStringLiteral("Les %1 photos redimensionnées sont dans le répertoire :\n%2")
                        .arg(ecrites)
                        .arg(dossier);
    if (nonEcrites.isEmpty())
        return texte;
    constexpr int Montres = 15;
    texte += QStringLiteral("\n\nPhotos non redimensionnées :\n") +
             nonEcrites.mid(0, Montres).join(QLatin1Char('\n'));
    if (nonEcrites.size() > Montres)
        texte += QStringLiteral("\net  %1 autre(s) ...").arg(nonEcrites.size() - Montres);
    return texte;
}
