#include "demarrage.h"
#include "dialoguesqt.h"
#include "fichierssysteme.h"
#include "frmphoto.h"
#include "horlogeqt.h"
#include "plateforme.h"
#include "shellqt.h"
#include "traductions.h"

#include "lignecommande.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[]) {
    // The version and the help need no window, nor a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const LigneCommande ligne = LireLigneCommande(arguments, QDir::currentPath());
    switch (ligne.action) {
    case LigneCommande::Action::Aide:
        std::fputs(TexteAide().toUtf8().constData(), stdout);
        return 0;
    case LigneCommande::Action::Version:
        std::fputs(TexteVersion(QStringLiteral(VIMBRAL_VERSION)).toUtf8().constData(), stdout);
        return 0;
    case LigneCommande::Action::Erreur:
        std::fprintf(stderr, "%s\n", ligne.message.toUtf8().constData());
        return 2;
    case LigneCommande::Action::Ouvrir:
        break;
    }

    // Debian's GStreamer backend of Qt Multimedia lacks MP3 and needs a sound server; the
    // FFmpeg one does not. It must be chosen before the application object exists.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vimbral"));
    QApplication::setApplicationVersion(QStringLiteral(VIMBRAL_VERSION));
    InstallerTraductions(application);
    QApplication::setDesktopFileName(QStringLiteral("org.vimbral.Vimbral"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/vimbral.png")));

    FichiersSysteme fichiers;
    DialoguesQt dialogues;
    HorlogeQt horloge;
    ShellQt shell;
    Environnement environnement = Environnement::Reel();
    environnement.cheminOuverture = ligne.chemin;
    Plateforme plateforme{fichiers, dialogues, horloge, shell, environnement};

    Demarrage demarrage(plateforme);
    QObject::connect(&demarrage, &Demarrage::FenetrePrincipaleOuverte,
                     [&dialogues](FrmPhoto* fenetre) { dialogues.DefinirParent(fenetre); });
    if (!demarrage.Lancer())
        return 1;
    return application.exec();
}
