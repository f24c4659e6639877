#include "lecteurimages.h"

#include "entetejpeg.h"

#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QRunnable>
#include <QThread>
#include <QTransform>

#include <atomic>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>

namespace {

// The header of a JPEG file: its APP segments (the EXIF block is at most 64 KB) come first.
constexpr qint64 OctetsEntete = 128 * 1024;
// Beyond this many pixels a picture is refused rather than allocated, as Qt's own reader
// refuses above 256 MB.
constexpr qint64 PixelsMax = 64 * 1024 * 1024;
// A file larger than this is not read into memory at once; Qt's reader streams it.
constexpr qint64 OctetsJpegMax = 512 * 1024 * 1024;

qint64 lireA(int fd, char* tampon, qint64 taille, qint64 position) {
    qint64 lus = 0;
    while (lus < taille) {
        const ssize_t n = ::pread(fd, tampon + lus, size_t(taille - lus), off_t(position + lus));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        lus += n;
    }
    return lus;
}

QByteArray lireBloc(int fd, qint64 position, qint64 taille) {
    QByteArray b(taille, Qt::Uninitialized);
    b.truncate(lireA(fd, b.data(), taille, position));
    return b;
}

QImageIOHandler::Transformations transformation(int orientation) {
    using T = QImageIOHandler;
    switch (orientation) {
    case 2:
        return T::TransformationMirror;
    case 3:
        return T::TransformationRotate180;
    case 4:
        return T::TransformationFlip;
    case 5:
        return T::TransformationFlipAndRotate90;
    case 6:
        return T::TransformationRotate90;
    case 7:
        return T::TransformationMirrorAndRotate90;
    case 8:
        return T::TransformationRotate270;
    default:
        return T::TransformationNone;
    }
}

QImage redresser(QImage image, QImageIOHandler::Transformations t) {
    image = image.mirrored(t & QImageIOHandler::TransformationMirror,
                           t & QImageIOHandler::TransformationFlip);
    if (t & QImageIOHandler::TransformationRotate90)
        image = image.transformed(QTransform().rotate(90));
    return image;
}

// The size to decode at: what is wanted when it is smaller than the picture both ways.
QSize cible(const std::function<QSize(QSize)>& tailleVoulue, QSize droite) {
    const QSize voulue = tailleVoulue ? tailleVoulue(droite) : QSize();
    if (voulue.isValid() && !voulue.isEmpty() && voulue.width() <= droite.width() &&
        voulue.height() <= droite.height())
        return voulue;
    return droite;
}

QImage aLaTaille(const QImage& image, QSize taille) {
    if (image.size() == taille)
        return image;
    return image.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

struct Decompresseur {
    tjhandle h = tjInitDecompress();
    ~Decompresseur() {
        if (h)
            tjDestroy(h);
    }
};

// A JPEG file decoded by libjpeg-turbo at the smallest of its scales (1/8 to 1) that is not
// below the size wanted, then brought to that size.
std::optional<QImage> decoderJpeg(const QByteArray& contenu, QSize stockee) {
    thread_local Decompresseur d;
    if (!d.h)
        return std::nullopt;
    auto* octets = reinterpret_cast<unsigned char*>(const_cast<char*>(contenu.constData()));
    int largeur = 0;
    int hauteur = 0;
    int sousEchantillonnage = 0;
    int espace = 0;
    if (tjDecompressHeader3(d.h, octets, (unsigned long)contenu.size(), &largeur, &hauteur,
                            &sousEchantillonnage, &espace) != 0)
        return std::nullopt;
    int nombre = 0;
    const tjscalingfactor* facteurs = tjGetScalingFactors(&nombre);
    int l = largeur;
    int h = hauteur;
    for (int i = 0; i < nombre; ++i) {
        const tjscalingfactor f = facteurs[i];
        if (f.num > f.denom)
            continue;
        const int fl = TJSCALED(largeur, f);
        const int fh = TJSCALED(hauteur, f);
        if (fl >= stockee.width() && fh >= stockee.height() && qint64(fl) * fh < qint64(l) * h) {
            l = fl;
            h = fh;
        }
    }
    if (qint64(l) * h > PixelsMax)
        return std::nullopt;
    QImage image(l, h, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    if (tjDecompress2(d.h, octets, (unsigned long)contenu.size(), image.bits(), l,
                      int(image.bytesPerLine()), h, TJPF_BGRA, 0) != 0 &&
        tjGetErrorCode(d.h) != TJERR_WARNING)
        return std::nullopt;
    // A truncated file gives a warning and what could be decoded, as Qt's reader shows it.
    return image;
}

std::optional<ImageLue> lireJpeg(int fd, const struct stat& st, const QByteArray& debut,
                                 const EnteteJpeg& e, const std::function<QSize(QSize)>& voulue,
                                 bool miniatureExif) {
    const auto t = transformation(e.orientation);
    const bool tourne = t & QImageIOHandler::TransformationRotate90;
    const QSize droite = tourne ? e.taille.transposed() : e.taille;
    const QSize taille = cible(voulue, droite);
    if (miniatureExif && e.longueurMiniature > 0) {
        const QByteArray octets =
            e.debutMiniature + e.longueurMiniature <= debut.size()
                ? debut.mid(e.debutMiniature, e.longueurMiniature)
                : lireBloc(fd, e.debutMiniature, std::min<qint64>(e.longueurMiniature, 65536));
        const QImage m = redresser(QImage::fromData(octets, "JPEG"), t);
        const double rapport = double(droite.width()) / droite.height();
        if (!m.isNull() && m.width() >= taille.width() && m.height() >= taille.height() &&
            std::abs(double(m.width()) / m.height() / rapport - 1) <= 0.01)
            return ImageLue{aLaTaille(m, taille), droite, qint64(st.st_size)};
    }
    if (st.st_size > OctetsJpegMax)
        return std::nullopt;
    const QByteArray contenu = lireBloc(fd, 0, st.st_size);
    const auto image = decoderJpeg(contenu, tourne ? taille.transposed() : taille);
    if (!image)
        return std::nullopt;
    return ImageLue{aLaTaille(redresser(*image, t), taille), droite, qint64(st.st_size)};
}

// Any other picture, through Qt's readers.
std::optional<ImageLue> lireQt(int fd, const QString& chemin, qint64 octets,
                               const std::function<QSize(QSize)>& voulue) {
    QFile fichier;
    if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return std::nullopt;
    // The extension is only a hint: the content decides.
    QImageReader lecteur(&fichier, QFileInfo(chemin).suffix().toLower().toLatin1());
    lecteur.setDecideFormatFromContent(true);
    lecteur.setAutoTransform(true);
    const QSize brute = lecteur.size();
    if (!brute.isValid()) {
        // Some formats only know their size once decoded.
        const QImage image = lecteur.read();
        if (image.isNull())
            return std::nullopt;
        return ImageLue{aLaTaille(image, cible(voulue, image.size())), image.size(), octets};
    }
    const bool tourne = lecteur.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize droite = tourne ? brute.transposed() : brute;
    const QSize taille = cible(voulue, droite);
    if (taille != droite)
        lecteur.setScaledSize(tourne ? taille.transposed() : taille);
    const QImage image = lecteur.read();
    if (image.isNull())
        return std::nullopt;
    return ImageLue{aLaTaille(image, taille), droite, octets};
}

QString identite(const struct stat& st) {
    return QStringLiteral("%1:%2:%3:%4.%5:%6.%7")
        .arg(st.st_dev)
        .arg(st.st_ino)
        .arg(qint64(st.st_size))
        .arg(qint64(st.st_mtim.tv_sec))
        .arg(qint64(st.st_mtim.tv_nsec))
        .arg(qint64(st.st_ctim.tv_sec))
        .arg(qint64(st.st_ctim.tv_nsec));
}

} // namespace

std::optional<ImageLue> LecteurImages::Lire(const QString& chemin,
                                            const std::function<QSize(QSize)>& tailleVoulue,
                                            bool miniatureExif) {
    const int fd =
        ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<ImageLue> lue;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const QByteArray debut = lireBloc(fd, 0, std::min<qint64>(OctetsEntete, st.st_size));
        if (const auto e = LireEnteteJpeg(debut); e && e->taille.isValid())
            lue = lireJpeg(fd, st, debut, *e, tailleVoulue, miniatureExif);
        if (!lue)
            lue = lireQt(fd, chemin, qint64(st.st_size), tailleVoulue);
    }
    ::close(fd);
    return lue;
}

class LecteurImages::Tache {
public:
    explicit Tache(const DemandeImage& d) : demande(d) {}

    // The worker or the waiting thread that takes the task first reads the picture.
    bool prendre() {
        int attendu = 0;
        return etat.compare_exchange_strong(attendu, 1);
    }
    void executer() {
        auto lue = LecteurImages::Lire(demande.chemin, demande.tailleVoulue, demande.miniatureExif);
        {
            std::lock_guard<std::mutex> verrou(m_mutex);
            resultat = std::move(lue);
            etat = 2;
        }
        m_fini.notify_all();
    }
    void attendre() {
        std::unique_lock<std::mutex> verrou(m_mutex);
        m_fini.wait(verrou, [this] { return etat == 2; });
    }
    void finir(std::optional<ImageLue> r) {
        resultat = std::move(r);
        etat = 2;
        termine = true;
    }

    const DemandeImage demande;
    QString cle;
    std::atomic<int> etat{0};
    std::optional<ImageLue> resultat;
    // Handed over on the owner's thread: cached, and every waiting continuation called.
    bool termine = false;
    QList<QPair<QPointer<QObject>, std::function<void(const std::optional<ImageLue>&)>>> suites;

private:
    std::mutex m_mutex;
    std::condition_variable m_fini;
};

LecteurImages::LecteurImages(qint64 memoireMax, QObject* parent)
    : QObject(parent), m_cache(qsizetype(memoireMax / 1024)) {
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

LecteurImages::~LecteurImages() {
    m_pool.clear();
    m_pool.waitForDone();
}

LecteurImages::Ticket LecteurImages::Lancer(const DemandeImage& demande, int priorite) {
    auto tache = std::make_shared<Tache>(demande);
    struct stat st {};
    if (::stat(QFile::encodeName(demande.chemin).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        tache->finir(std::nullopt);
        return tache;
    }
    tache->cle = demande.cle + QChar(0x1f) + demande.chemin + QChar(0x1f) + identite(st);
    if (const ImageLue* connue = m_cache.object(tache->cle)) {
        tache->finir(*connue);
        return tache;
    }
    if (const auto enCours = m_enCours.constFind(tache->cle); enCours != m_enCours.cend())
        return *enCours;
    m_enCours.insert(tache->cle, tache);
    m_pool.start(QRunnable::create([this, tache] {
                     if (!tache->prendre())
                         return;
                     tache->executer();
                     QMetaObject::invokeMethod(
                         this, [this, tache] { Terminer(tache); }, Qt::QueuedConnection);
                 }),
                 priorite);
    return tache;
}

std::optional<ImageLue> LecteurImages::Resultat(const Ticket& ticket) {
    if (!ticket->termine) {
        if (ticket->prendre())
            ticket->executer();
        else
            ticket->attendre();
        Terminer(ticket);
    }
    return ticket->resultat;
}

bool LecteurImages::EstPret(const Ticket& ticket) const {
    return ticket->etat == 2;
}

void LecteurImages::QuandPrete(const Ticket& ticket, QObject* contexte,
                               std::function<void(const std::optional<ImageLue>&)> suite) {
    if (!ticket->termine) {
        ticket->suites.append({contexte, std::move(suite)});
        return;
    }
    QMetaObject::invokeMethod(
        contexte, [suite = std::move(suite), r = ticket->resultat] { suite(r); },
        Qt::QueuedConnection);
}

void LecteurImages::Terminer(const Ticket& ticket) {
    if (ticket->termine)
        return;
    ticket->termine = true;
    if (m_enCours.value(ticket->cle) == ticket)
        m_enCours.remove(ticket->cle);
    if (ticket->demande.garder && ticket->resultat)
        m_cache.insert(
            ticket->cle, new ImageLue(*ticket->resultat),
            qsizetype(std::max<qint64>(1, ticket->resultat->image.sizeInBytes() / 1024)));
    const auto suites = std::exchange(ticket->suites, {});
    for (const auto& [contexte, suite] : suites)
        if (contexte)
            suite(ticket->resultat);
}

void LecteurImages::Oublier() {
    m_cache.clear();
}
