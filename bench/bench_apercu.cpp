// From a click in the list to the preview painted and its information line written, for
// 12- and 24-megapixel JPEG photos, against a bare scaled decode of the same file; the peak
// memory above the idle program; and Down from file to file in a folder of 2,000 photos.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_apercu
#include "apercuphoto.h"
#include "etatprogramme.h"
#include "fichierssysteme.h"
#include "frmphoto.h"
#include "mediane.h"
#include "plateforme.h"
#include "photobench.h"
#include "plateformebench.h"
#include "renommageclavier.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

qint64 memoire(const char* champ) {
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith(champ))
            return ligne.mid(int(qstrlen(champ))).trimmed().split(' ').first().toLongLong();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir racine;
    const QString grandes = racine.path() + QStringLiteral("/grandes");
    const QString serie = racine.path() + QStringLiteral("/serie");
    const QString programme = racine.path() + QStringLiteral("/programme");
    for (const QString& d : {grandes, serie, programme})
        QDir().mkpath(d);
    creerPhoto(grandes + "/a12.jpg", 4000, 3000, 1);
    creerPhoto(grandes + "/b12.jpg", 4000, 3000, 2);
    creerPhoto(grandes + "/c24.jpg", 6000, 4000, 3);
    creerPhoto(grandes + "/d24.jpg", 6000, 4000, 4);
    QFile::copy(grandes + "/a12.jpg", serie + "/modele.jpg");
    creerPhoto(serie + "/modele.jpg", 1600, 1200, 5);
    for (int i = 0; i < 2000; ++i)
        QFile::copy(serie + "/modele.jpg",
                    serie + QStringLiteral("/IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
    QFile::remove(serie + "/modele.jpg");

    // A start folder, so that the first activation asks nothing.
    {
        QFile photo(programme + QStringLiteral("/Photo.ini"));
        photo.open(QIODevice::WriteOnly);
        photo.write(ParametresPhoto{grandes, true, 0}.versLigne());
    }
    PlateformeBench banc(programme, racine.path());
    Plateforme& plateforme = banc.plateforme;
    EtatProgramme etat;
    FrmPhoto f(plateforme, etat);
    f.show();
    f.Form_Activate();
    QApplication::processEvents();
    const QRect cadre = f.CadreApercu();

    // The peak is counted from here: the pictures made above do not count.
    {
        QFile remise(QStringLiteral("/proc/self/clear_refs"));
        if (remise.open(QIODevice::WriteOnly))
            remise.write("5");
    }
    const qint64 repos = memoire("VmRSS:");
    std::printf("preview frame %d x %d\n", cadre.width(), cadre.height());
    for (const auto& [nom, autre, rangs] : {std::tuple{"a12.jpg", "12 MP", std::pair{0, 1}},
                                            std::tuple{"c24.jpg", "24 MP", std::pair{2, 3}}}) {
        const QString chemin = grandes + "/" + nom;
        const double decodage = Mediane(9, [&] {
            QImageReader r(chemin);
            r.setAutoTransform(true);
            const QSize s = r.size().scaled(cadre.size(), Qt::KeepAspectRatio);
            r.setScaledSize(s);
            r.read();
        });
        int bascule = 0;
        // The picture read in the cache: what a click costs the first time.
        const double clic = Mediane(
            9,
            [&] {
                f.SelectionnerEntree(bascule++ % 2 ? rangs.first : rangs.second);
                f.Img0->repaint();
            },
            [&] { f.apercu().lecteur().Oublier(); });
        std::printf("%s (%.1f MB): bare scaled decode %7.2f ms, click to preview %7.2f ms "
                    "(%.2f x)\n",
                    autre, double(QFileInfo(chemin).size()) / 1e6, decodage, clic, clic / decodage);
    }
    std::printf("peak memory above the idle program: %.1f MB\n",
                double(memoire("VmHWM:") - repos) / 1024);

    f.DefinirCheminDossier(serie);
    QApplication::processEvents();
    f.SelectionnerEntree(0);
    std::vector<double> pas;
    for (int i = 0; i < 300; ++i) {
        QElapsedTimer t;
        t.start();
        f.renommage().RefreschFilFilesPlus();
        f.Img0->repaint();
        pas.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(pas.begin(), pas.end());
    std::printf("Down to the next 1600 x 1200 photo in a folder of 2,000: median %.2f ms\n",
                pas[pas.size() / 2]);
    return 0;
}
