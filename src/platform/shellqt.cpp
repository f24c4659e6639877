#include "shellqt.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

#include <gio/gdesktopappinfo.h>

namespace {

// An application entry is started as the desktop starts it, with the files as its arguments.
bool lancerApplication(const QString& entree, const QStringList& arguments) {
    GDesktopAppInfo* application =
        g_desktop_app_info_new_from_filename(QFile::encodeName(entree).constData());
    if (!application)
        return false;
    GList* fichiers = nullptr;
    for (const QString& a : arguments)
        fichiers = g_list_append(fichiers, g_file_new_for_path(QFile::encodeName(a).constData()));
    const gboolean ok = g_app_info_launch(G_APP_INFO(application), fichiers, nullptr, nullptr);
    g_list_free_full(fichiers, g_object_unref);
    g_object_unref(application);
    return ok;
}

} // namespace

bool ShellQt::Ouvrir(const QString& chemin) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}

bool ShellQt::Lancer(const QString& programme, const QStringList& arguments) {
    if (programme.endsWith(QLatin1String(".desktop")))
        return lancerApplication(programme, arguments);
    return QProcess::startDetached(programme, arguments);
}
