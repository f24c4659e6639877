#include "traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallerTraductions(QCoreApplication& application) {
    auto* traducteur = new QTranslator(&application);
    // "qt_fr" gathers the catalogues of every Qt module.
    if (!traducteur->load(QStringLiteral("qt_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}
