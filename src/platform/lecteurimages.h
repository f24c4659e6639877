#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <optional>

// Pictures read from files, upright (EXIF orientation applied) and decoded at the size they
// will be shown at, so that a large photo is never fully decoded for a small preview.
struct ImageLue {
    QImage image;
    // The picture's own size in pixels, upright.
    QSize taille;
    // The file's size in bytes.
    qint64 octets = 0;
};

// One picture wanted.
struct DemandeImage {
    QString chemin;
    // Names the rule of tailleVoulue in the cache ("apercu 402x302"): one rule, one name.
    QString cle;
    // From the picture's own size to the size wanted; an invalid size, or one not smaller
    // than the picture, reads it whole. Runs on a worker thread: it must capture by value.
    std::function<QSize(QSize)> tailleVoulue;
    // The thumbnail a camera embeds in the EXIF block serves when it is at least the size
    // wanted and has the picture's proportions.
    bool miniatureExif = false;
    // Kept in the cache (a whole photo for the magnifier is not).
    bool garder = true;
};

// Reads pictures on a few worker threads (no more than the cores) and hands them back on the
// thread that owns the reader; keeps the pictures read in a cache bounded in memory, keyed by
// the file's path, identity (device, inode), size and times, so that a file changed or
// replaced since is read again. Only a regular file is read, and opening never waits (a named
// pipe that took a photo's name would block for good).
class LecteurImages : public QObject {
    Q_OBJECT
public:
    class Tache;
    using Ticket = std::shared_ptr<Tache>;

    explicit LecteurImages(qint64 memoireMax = 48 * 1024 * 1024, QObject* parent = nullptr);
    ~LecteurImages() override;

    // Starts reading the picture in the background (a higher priority goes first), or finds
    // it in the cache or already being read.
    Ticket Lancer(const DemandeImage& demande, int priorite = 0);
    // The picture of a ticket, waiting for its worker; read on this thread when no worker has
    // taken it yet. Nothing when the file is not a picture that can be read.
    std::optional<ImageLue> Resultat(const Ticket& ticket);
    std::optional<ImageLue> Lire(const DemandeImage& demande) { return Resultat(Lancer(demande)); }
    // Reads ahead what the user will probably want next.
    void Prechercher(const DemandeImage& demande) { Lancer(demande, -1); }
    // Calls suite on this thread once the picture is read, unless contexte is gone first.
    void QuandPrete(const Ticket& ticket, QObject* contexte,
                    std::function<void(const std::optional<ImageLue>&)> suite);
    bool EstPret(const Ticket& ticket) const;
    // Empties the cache.
    void Oublier();
    qint64 MemoireCache() const { return qint64(m_cache.totalCost()) * 1024; }

    // One picture read on this thread, without the cache.
    static std::optional<ImageLue> Lire(const QString& chemin,
                                        const std::function<QSize(QSize)>& tailleVoulue,
                                        bool miniatureExif = false);

private:
    void Terminer(const Ticket& ticket);

    QThreadPool m_pool;
    QCache<QString, ImageLue> m_cache;
    QHash<QString, Ticket> m_enCours;
};
