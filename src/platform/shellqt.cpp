#include "shellqt.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool ShellQt::Ouvrir(const QString& chemin) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}

bool ShellQt::Lancer(const QString& programme, const QStringList& arguments) {
    return QProcess::startDetached(programme, arguments);
}
