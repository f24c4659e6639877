// The picture views on 12-megapixel photos made here (about 4 MB each, with and without a
// 160 x 120 EXIF thumbnail), each beside its floor measured in the same run:
// - 145 thumbnails, from the click on CmdMin to the last one painted, and the memory they
//   take above the idle program;
// - opening the enlarged view, against a bare decode at the screen's size;
// - a magnifier press once the whole picture is there;
// - Down to the next photo in the keyboard loop after 0.3 s on each file.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_vues
#include "apercuphoto.h"
#include "dialoguesqt.h"
#include "etatprogramme.h"
#include "fichierssysteme.h"
#include "frmphoto.h"
#include "frmzoom.h"
#include "horlogeqt.h"
#include "jpegexif.h"
#include "lecteurimages.h"
#include "mediane.h"
#include "plateforme.h"
#include "renommageclavier.h"
#include "shellqt.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {

// Gradients, shapes and grain: the entropy of a camera photo, about 4 MB at quality 90.
QImage photo(int graine) {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient degrade(0, 0, 4000, 3000);
    degrade.setColorAt(0, QColor(30 + graine * 20, 90, 160));
    degrade.setColorAt(1, QColor(240, 180, 60));
    p.fillRect(image.rect(), degrade);
    QRandomGenerator hasard(graine);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 200; ++i) {
        p.setBrush(QColor::fromHsv(int(hasard.bounded(360)), 120, 200));
        p.drawEllipse(int(hasard.bounded(4000)), int(hasard.bounded(3000)),
                      50 + int(hasard.bounded(400)), 50 + int(hasard.bounded(400)));
    }
    p.end();
    for (int y = 0; y < image.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); x += 14)
            ligne[x] ^= hasard.bounded(0x040404);
    }
    return image;
}

QByteArray jpeg(const QImage& image, int qualite = 90) {
    QByteArray o;
    QBuffer tampon(&o);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPG", qualite);
    return o;
}

void ecrire(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(contenu);
}

qint64 memoireKo() {
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:"))
            return ligne.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

void attendre(int millisecondes) {
    QEventLoop boucle;
    QTimer::singleShot(millisecondes, &boucle, &QEventLoop::quit);
    boucle.exec();
}

// The loading display's pauses are the program's own, not what is measured here.
class HorlogeSansPause : public HorlogeQt {
public:
    void Pause(int) override {}
};

// The enlarged view is shown, measured by the script, then hidden: nothing waits for a user.
class DialoguesBench : public DialoguesQt {
public:
    std::function<void(QDialog&)> script;
    int Executer(QDialog& fenetre) override {
        fenetre.show();
        if (script)
            script(fenetre);
        fenetre.hide();
        return QDialog::Rejected;
    }
};

struct Programme {
    explicit Programme(const QString& racine, const QString& depart) {
        const QString dossier =
            racine + QStringLiteral("/programme-") + QFileInfo(depart).fileName();
        QDir().mkpath(dossier);
        ecrire(dossier + QStringLiteral("/Photo.ini"),
               ParametresPhoto{depart, false, 0}.versLigne());
        plateforme.environnement.dossierProgramme = dossier;
        plateforme.environnement.dossierPersonnel = racine;
        plateforme.environnement.ecran = QSize(1280, 1024);
        f = std::make_unique<FrmPhoto>(plateforme, etat);
        f->show();
        f->Form_Activate();
        QApplication::processEvents();
    }
    FichiersSysteme fichiers;
    DialoguesBench dialogues;
    HorlogeSansPause horloge;
    ShellQt shell;
    Plateforme plateforme{fichiers, dialogues, horloge, shell, {}};
    EtatProgramme etat;
    std::unique_ptr<FrmPhoto> f;
};

void decodage(const QString& chemin, QSize taille) {
    QImageReader r(chemin);
    r.setScaledSize(r.size().scaled(taille, Qt::KeepAspectRatio));
    r.read();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // One part alone when named: miniatures, zoom, bas.
    const QStringList parties = application.arguments().mid(1);
    auto partie = [&](const char* nom) {
        return parties.isEmpty() || parties.contains(QLatin1String(nom));
    };
    QTemporaryDir racine;
    const QString sans = racine.path() + QStringLiteral("/sans");
    const QString avec = racine.path() + QStringLiteral("/avec");
    const QString serie = racine.path() + QStringLiteral("/serie");
    for (const QString& d : {sans, avec, serie})
        QDir().mkpath(d);
    std::printf("making the photos...\n");
    std::fflush(stdout);
    QList<QByteArray> modeles;
    QList<QByteArray> miniatures;
    for (int i = 0; i < 5; ++i) {
        const QImage image = photo(i + 1);
        modeles.append(jpeg(image));
        miniatures.append(
            jpeg(image.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 75));
    }
    double octets = 0;
    for (int i = 0; i < 145; ++i) {
        const QString nom = QStringLiteral("/IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        ecrire(sans + nom, modeles[i % 5]);
        ecrire(avec + nom, JpegExif::avecMiniature(modeles[i % 5], miniatures[i % 5], 1));
        if (i < 20)
            ecrire(serie + nom, modeles[i % 5]);
        octets += double(modeles[i % 5].size());
    }
    std::printf("12 MP photos of %.2f MB on average\n", octets / 145 / 1e6);

    // Floors: one thread, the picture decoded at the size of a thumbnail.
    auto fichier = [&](int i) {
        return sans + QStringLiteral("/IMG_%1.jpg").arg(i % 145, 4, 10, QLatin1Char('0'));
    };
    auto vignette = [](QSize s) { return s.scaled(76, 57, Qt::KeepAspectRatio); };
    int n = 0;
    const double plancher = Mediane(15, [&] { decodage(fichier(n++), QSize(76, 57)); });
    const double lecteurSeul = Mediane(15, [&] { LecteurImages::Lire(fichier(n++), vignette); });
    std::printf("floor, one thread: QImageReader scaled decode %.1f ms a file (x 145 = %.0f ms, "
                "/ 2 cores = %.0f ms); the program's reader %.1f ms a file\n",
                plancher, plancher * 145, plancher * 145 / 2, lecteurSeul);

    if (partie("miniatures")) {
        // Qt's reader on both cores, each thread taking the next file.
        const double deuxFils = Mediane(3, [&] {
            std::atomic<int> suivant{0};
            auto travail = [&] {
                for (int i = suivant++; i < 145; i = suivant++)
                    decodage(fichier(i), QSize(76, 57));
            };
            std::thread autre(travail);
            travail();
            autre.join();
        });
        std::printf("floor, two threads: QImageReader scaled decode of the 145 files %.0f ms\n",
                    deuxFils);
        // The reader alone on its workers, no window: what the cores give.
        const double seuls = Mediane(3, [&] {
            LecteurImages lecteur;
            QList<LecteurImages::Ticket> tickets;
            for (int i = 0; i < 145; ++i)
                tickets.append(lecteur.Lancer({fichier(i), QStringLiteral("seul"), vignette}));
            for (const auto& ticket : tickets)
                lecteur.Resultat(ticket);
        });
        std::printf("the reader alone, 145 files on its workers: %.0f ms (median of 3)\n", seuls);
        for (const auto& [dossier, titre] : {std::pair{sans, "without embedded thumbnails"},
                                             std::pair{avec, "with embedded thumbnails"}}) {
            Programme p(racine.path(), dossier);
            FrmPhoto& f = *p.f;
            const qint64 repos = memoireKo();
            qint64 memoire = 0;
            const double temps = Mediane(
                3,
                [&] {
                    f.CmdMin->click();
                    QApplication::processEvents();
                    f.repaint();
                },
                [&] { f.apercu().lecteur().Oublier(); },
                [&] {
                    memoire = std::max(memoire, memoireKo() - repos);
                    f.CmdMin->click();
                });
            std::printf(
                "145 thumbnails %s: click to last painted %.0f ms (median of 3); memory above "
                "the idle program %.1f MB\n",
                titre, temps, double(memoire) / 1024);
        }
    }
    if (partie("zoom")) {
        Programme p(racine.path(), sans);
        FrmPhoto& f = *p.f;
        ApercuPhoto& a = f.apercu();
        const QSize ecran = a.Zoom().Ecran();
        const double plancherZoom = Mediane(9, [&] { decodage(fichier(0), ecran); });
        p.dialogues.script = [](QDialog& d) { d.repaint(); };
        int tour = 0;
        const double ouverture = Mediane(
            9, [&] { a.OuvrirAgrandissement(); },
            [&] {
                f.SelectionnerEntree(tour++ % 2);
                a.lecteur().Oublier();
            });
        double appui = 0;
        double glisse = 0;
        p.dialogues.script = [&](QDialog& d) {
            auto& z = static_cast<FrmZoom&>(d);
            QElapsedTimer attente;
            attente.start();
            while (!z.ImageEntiere() && attente.elapsed() < 5000)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            auto souris = [&](QEvent::Type type, QPointF point, Qt::MouseButtons boutons) {
                QMouseEvent e(type, point, z.ImgZ->mapToGlobal(point),
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, boutons,
                              Qt::NoModifier);
                QApplication::sendEvent(z.ImgZ, &e);
                z.repaint();
            };
            const QPointF centre(z.ImgZ->width() / 2.0, z.ImgZ->height() / 2.0);
            auto appuyer = [&] { souris(QEvent::MouseButtonPress, centre, Qt::LeftButton); };
            auto relacher = [&] { souris(QEvent::MouseButtonRelease, centre, Qt::NoButton); };
            appui = Mediane(15, appuyer, {}, relacher);
            int pas = 0;
            glisse = Mediane(
                15,
                [&] {
                    souris(QEvent::MouseMove, centre + QPointF(40 + pas++, 30), Qt::LeftButton);
                },
                appuyer, relacher);
        };
        a.OuvrirAgrandissement();
        std::printf("enlarged view %d x %d: bare scaled decode %.1f ms, opening to painted %.1f ms "
                    "(%.2f x)\n",
                    ecran.width(), ecran.height(), plancherZoom, ouverture,
                    ouverture / plancherZoom);
        std::printf("magnifier, whole picture decoded: press to repainted %.1f ms, drag %.1f ms "
                    "(medians of 15)\n",
                    appui, glisse);
    }

    if (partie("bas")) {
        Programme p(racine.path(), serie);
        FrmPhoto& f = *p.f;
        for (const bool lecture : {true, false}) {
            f.SelectionnerEntree(0);
            const double pas = Mediane(
                19,
                [&] {
                    f.renommage().RefreschFilFilesPlus();
                    f.Img0->repaint();
                },
                [&] {
                    attendre(300);
                    // Without reading ahead: what the user waited for before.
                    if (!lecture)
                        f.apercu().lecteur().Oublier();
                });
            std::printf("Down to the next 12 MP photo after 0.3 s on each, %s: median %.1f ms\n",
                        lecture ? "read ahead" : "cache emptied before each Down", pas);
        }
    }
    return 0;
}
