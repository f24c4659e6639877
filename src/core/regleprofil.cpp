#include "regleprofil.h"

#include <QDir>

bool DossierProfilAccepte(const QString& dossier, const QString& dossierPersonnel) {
    if (dossier.isEmpty())
        return false;
    const QString chemin = QDir::cleanPath(dossier);
    const QString haut = chemin.toUpper();

    const QStringList composants = haut.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (composants.contains(QLatin1String("PUBLIC")) ||
        composants.contains(QLatin1String("DEFAULT")))
        return false;

    const QString personnel = QDir::cleanPath(dossierPersonnel);
    if (!personnel.isEmpty() &&
        (chemin == personnel || chemin.startsWith(personnel + QLatin1Char('/'))))
        return true;
    return haut.contains(QLatin1String("DOCUMENTS AND SETTINGS")) ||
           haut.contains(QLatin1String("UTILISATEURS")) || haut.contains(QLatin1String("USERS"));
}

QString DossierProgrammeXdg(const QString& xdgDataHome, const QString& dossierPersonnel) {
    const QString donnees = xdgDataHome.startsWith(QLatin1Char('/'))
                                ? xdgDataHome
                                : dossierPersonnel + QStringLiteral("/.local/share");
    return QDir::cleanPath(donnees + QStringLiteral("/Vimbral"));
}
