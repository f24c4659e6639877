#include "datefichier.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

DateExif LireDateExifFichier(const QString& chemin) {
    // Plain system calls: a sort opens thousands of files, and the date scan costs less than
    // the file objects' own bookkeeping. O_NONBLOCK keeps a pipe that took a photo's name
    // from blocking the sort.
    const int fd =
        ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return LireDateExif({});
    char tampon[OctetsDateExif];
    qsizetype lus = 0;
    while (lus < OctetsDateExif) {
        const ssize_t n = ::read(fd, tampon + lus, size_t(OctetsDateExif - lus));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            break;
        if (n < 0) {
            lus = 0;
            break;
        }
        lus += n;
    }
    ::close(fd);
    return LireDateExif(QByteArrayView(tampon, lus));
}
