#include "lignecommande.h"

#include <QDir>

LigneCommande LireLigneCommande(const QStringList& arguments, const QString& dossierCourant) {
    LigneCommande l;
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (options && a == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (options && (a == QLatin1String("--help") || a == QLatin1String("-h")))
            return {LigneCommande::Action::Aide, {}, {}};
        if (options && a == QLatin1String("--version"))
            return {LigneCommande::Action::Version, {}, {}};
        if (options && a.startsWith(QLatin1Char('-')) && a.size() > 1)
            return {LigneCommande::Action::Erreur,
                    {},
                    QStringLiteral("Option inconnue : %1\nVoyez « vimbral --help ».").arg(a)};
        if (!l.chemin.isEmpty())
            return {LigneCommande::Action::Erreur,
                    {},
                    QStringLiteral("Un seul dossier ou une seule photo à la fois.\nVoyez "
                                   "« vimbral --help ».")};
        l.chemin = QDir::cleanPath(QDir(dossierCourant).absoluteFilePath(a));
    }
    return l;
}

QString TexteAide() {
    return QStringLiteral("Usage : vimbral [DOSSIER | PHOTO]\n"
                          "Renommer et organiser rapidement vos fichiers photos.\n\n"
                          "  DOSSIER       ouvre ce dossier\n"
                          "  PHOTO         ouvre le dossier de cette photo, la photo choisie\n"
                          "  --version     affiche la version et s'arrête\n"
                          "  -h, --help    affiche cette aide et s'arrête\n");
}

QString TexteVersion(const QString& version) {
    return QStringLiteral("Vimbral %1\n").arg(version);
}
