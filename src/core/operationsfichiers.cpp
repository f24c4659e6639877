#include "operationsfichiers.h"

#include "nomsfichiers.h"

#include <algorithm>

namespace OperationsFichiers {

QString QuestionSuppression(const QStringList& noms) {
    constexpr int Montres = 15;
    const qsizetype n = noms.size();
    QString texte =
        n == 1 ? QStringLiteral("Envoyer à la corbeille le fichier suivant :")
               : QStringLiteral("Envoyer à la corbeille les %1 fichiers suivants :").arg(n);
    texte += QStringLiteral("\n\n");
    for (qsizetype i = 0; i < n && i < Montres; ++i)
        texte += noms[i] + QLatin1Char('\n');
    if (n > Montres) {
        const qsizetype autres = n - Montres;
        texte += QStringLiteral("\net  %1").arg(autres) +
                 (autres == 1 ? QStringLiteral(" autre ...") : QStringLiteral(" autres ..."));
    }
    return texte;
}

bool NomTropLong(const QString& nom) {
    return nom.toUtf8().size() > 255;
}

RefusNom VerifierNomDossier(const QString& nom) {
    if (nom.trimmed().isEmpty())
        return RefusNom::Vide;
    if (NomsFichiers::ContientCaractereInterdit(nom))
        return RefusNom::CaractereInterdit;
    if (nom.startsWith(QLatin1Char('.')))
        return RefusNom::Point;
    if (NomTropLong(nom))
        return RefusNom::TropLong;
    return RefusNom::Aucun;
}

QString NomProposeProgramme(const QString& chemin) {
    const QString nom = chemin.section(QLatin1Char('/'), -1);
    const qsizetype point = nom.lastIndexOf(QLatin1Char('.'));
    if (point <= 0)
        return nom;
    // An extension holds a letter: the end of "gimp-2.10" is a version, not an extension.
    const QString extension = nom.mid(point + 1);
    const bool lettre =
        std::any_of(extension.cbegin(), extension.cend(), [](QChar c) { return c.isLetter(); });
    const bool simple = std::all_of(extension.cbegin(), extension.cend(),
                                    [](QChar c) { return c.isLetterOrNumber(); });
    return lettre && simple ? nom.left(point) : nom;
}

} // namespace OperationsFichiers
