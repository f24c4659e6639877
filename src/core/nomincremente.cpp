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

// The whole suffix: a name that merely ends with "[M]" would lose real characters.
bool EstMarque(const QString& nom) {
    return NomsFichiers::EstMarque(nom);
}

namespace {

// The length of the extension of a name without its mark: the last four characters when
// they start with a dot (".jpg"), else from the last dot (".jpeg", ".b"), so that the dot is
// never lost; a name with no dot has none. Short names keep every character.
qsizetype longueurExtension(QStringView base) {
    if (base.size() >= LongueurExtension && base[base.size() - LongueurExtension] == u'.')
        return LongueurExtension;
    const qsizetype point = base.lastIndexOf(u'.');
    if (point > 0)
        return base.size() - point;
    return 0;
}

QStringView sansMarque(const QString& nom) {
    const qsizetype fin =
        EstMarque(nom) ? std::max<qsizetype>(0, nom.size() - LongueurMarque) : nom.size();
    return QStringView(nom).left(fin);
}

} // namespace

QString Extension(const QString& nom) {
    const QStringView base = sansMarque(nom);
    QString extension = base.right(longueurExtension(base)).toString();
    // Only the extension's own letters: what follows them (a second mark suffix) is kept as
    // it is.
    qsizetype fin = 1;
    while (fin < extension.size() && extension[fin].isLetterOrNumber())
        ++fin;
    return extension.left(fin).toLower() + extension.mid(fin);
}

QString TexteSansExtension(const QString& nom) {
    const QStringView base = sansMarque(nom);
    return base.left(base.size() - longueurExtension(base)).toString();
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
