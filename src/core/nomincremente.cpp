#include "nomincremente.h"

#include "nomsfichiers.h"

#include <algorithm>
#include <cmath>

namespace NomIncremente {

namespace {
constexpr qsizetype LongueurExtension = 4;
constexpr qsizetype LongueurMarque = 6;
} // namespace

int NombreChiffres(qint64 nombre) {
    return int(QString::number(nombre).size());
}

QString NumeroFormate(int nombre, int nombreEntrees, const QString& chiffreDepart) {
    const int largeur =
        std::max(NombreChiffres(nombreEntrees), int(chiffreDepart.trimmed().size()));
    return QStringLiteral("%1").arg(nombre, largeur, 10, QLatin1Char('0'));
}

bool EstIncremente(const QString& nom, const QString& liaison) {
    return !liaison.isEmpty() && nom.contains(liaison);
}

QString Numero(const QString& nom, const QString& liaison) {
    const qsizetype position = nom.indexOf(liaison);
    return (position < 0 ? nom : nom.left(position)).trimmed();
}

QStringList Morceaux(const QString& nom, const QString& liaison) {
    return nom.split(liaison);
}

bool EstMarque(const QString& nom) {
    return nom.endsWith(QLatin1String("[M]"));
}

// Lengths are clamped so that a short name keeps every character: text + extension always
// give back the name without its mark.
QString Extension(const QString& nom) {
    const qsizetype fin =
        EstMarque(nom) ? std::max<qsizetype>(0, nom.size() - LongueurMarque) : nom.size();
    const qsizetype debut = std::max<qsizetype>(0, fin - LongueurExtension);
    return nom.mid(debut, fin - debut).toLower();
}

QString TexteSansExtension(const QString& nom) {
    const qsizetype retrait = LongueurExtension + (EstMarque(nom) ? LongueurMarque : 0);
    return nom.left(std::max<qsizetype>(0, nom.size() - retrait));
}

qint64 ValeurNumerique(const QString& texte) {
    // Spaces are skipped anywhere in the number, as the typed-number reading always did.
    QString chiffres;
    bool negatif = false;
    bool signeLu = false;
    bool pointLu = false;
    for (const QChar c : texte) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            continue;
        if (!signeLu && chiffres.isEmpty() && (c == QLatin1Char('-') || c == QLatin1Char('+'))) {
            negatif = c == QLatin1Char('-');
            signeLu = true;
            continue;
        }
        signeLu = true;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            chiffres.append(c);
        } else if (c == QLatin1Char('.') && !pointLu) {
            pointLu = true;
            chiffres.append(c);
        } else {
            break;
        }
    }
    if (chiffres.isEmpty() || chiffres == QLatin1String("."))
        return 0;
    constexpr double Plafond = 1e12;
    const double valeur = std::min(chiffres.toDouble(), Plafond);
    const double arrondi = std::nearbyint(valeur); // default rounding: half to even
    return qint64(negatif ? -arrondi : arrondi);
}

ErreurTitre VerifierTitre(const QString& titre, const QString& liaison) {
    if (NomsFichiers::ContientCaractereInterdit(titre))
        return ErreurTitre::CaractereInterdit;
    if (!liaison.isEmpty() && titre.contains(liaison))
        return ErreurTitre::ChaineLiaison;
    if (titre.isEmpty())
        return ErreurTitre::Vide;
    return ErreurTitre::Aucune;
}

} // namespace NomIncremente
