#include "demarrage.h"
#include "dialoguesqt.h"
#include "fichierssysteme.h"
#include "frmphoto.h"
#include "horlogeqt.h"
#include "plateforme.h"
#include "shellqt.h"
#include "traductions.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Debian's GStreamer backend of Qt Multimedia lacks MP3 and needs a sound server; the
    // FFmpeg one does not. It must be chosen before the application object exists.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vimbral"));
    QApplication::setApplicationVersion(QStringLiteral(VIMBRAL_VERSION));
    InstallerTraductions(application);

    FichiersSysteme fichiers;
    DialoguesQt dialogues;
    HorlogeQt horloge;
    ShellQt shell;
    Plateforme plateforme{fichiers, dialogues, horloge, shell, Environnement::Reel()};

    Demarrage demarrage(plateforme);
    QObject::connect(&demarrage, &Demarrage::FenetrePrincipaleOuverte,
                     [&dialogues](FrmPhoto* fenetre) { dialogues.DefinirParent(fenetre); });
    if (!demarrage.Lancer())
        return 1;
    return application.exec();
}
