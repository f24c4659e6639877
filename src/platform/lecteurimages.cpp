#include "lecteurimages.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<ImageLue> LecteurImages::Lire(const QString& chemin,
                                            const std::function<QSize(QSize)>& tailleVoulue) {
    const int fd =
        ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QFile fichier;
    if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    // The extension is only a hint: the content decides.
    QImageReader lecteur(&fichier, QFileInfo(chemin).suffix().toLower().toLatin1());
    lecteur.setAutoTransform(true);
    const qint64 octets = qint64(st.st_size);
    QSize brute = lecteur.size();
    if (!brute.isValid()) {
        // Some formats only know their size once decoded.
        QImage image = lecteur.read();
        if (image.isNull())
            return std::nullopt;
        const QSize voulue = tailleVoulue(image.size());
        ImageLue lue{image, image.size(), octets};
        if (voulue.isValid() && voulue != image.size())
            lue.image = image.scaled(voulue, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return lue;
    }
    const bool tourne = lecteur.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize droite = tourne ? brute.transposed() : brute;
    const QSize voulue = tailleVoulue(droite);
    if (voulue.isValid() && voulue.width() < droite.width() && voulue.height() < droite.height())
        lecteur.setScaledSize(tourne ? voulue.transposed() : voulue);
    const QImage image = lecteur.read();
    if (image.isNull())
        return std::nullopt;
    return ImageLue{image, droite, octets};
}
