#include "fichierssysteme.h"

#include "nomsfichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString texteErreur(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// 0 on success, else the errno of the refusal. Never replaces the target.
int renommerSansRemplacer(const QString& de, const QString& vers) {
    const QByteArray a = QFile::encodeName(de);
    const QByteArray b = QFile::encodeName(vers);
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    const int code = errno;
    if (code == EEXIST) {
        // On a volume that ignores case, "photo.jpg" -> "Photo.jpg" finds its own file as the
        // target: the same inode, so a plain rename changes only the case and loses nothing.
        struct stat sa {
        }, sb{};
        if (QFileInfo(de).fileName().compare(QFileInfo(vers).fileName(), Qt::CaseInsensitive) ==
                0 &&
            ::lstat(a.constData(), &sa) == 0 && ::lstat(b.constData(), &sb) == 0 &&
            sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino && a != b) {
            return ::rename(a.constData(), b.constData()) == 0 ? 0 : errno;
        }
        return EEXIST;
    }
    if (code != EINVAL && code != ENOSYS && code != ENOTSUP)
        return code;
    // The file system does not take the flag: a hard link fails on an existing target.
    if (::link(a.constData(), b.constData()) != 0)
        return errno;
    if (::unlink(a.constData()) != 0) {
        const int echec = errno;
        ::unlink(b.constData());
        return echec;
    }
    return 0;
}

} // namespace

QStringList FichiersSysteme::Lister(const QString& dossier) {
    QStringList noms;
    DIR* d = ::opendir(QFile::encodeName(dossier).constData());
    if (!d)
        return noms;
    const int fd = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        if (e->d_name[0] == '.')
            continue;
        bool regulier = e->d_type == DT_REG;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            struct stat st {};
            regulier = ::fstatat(fd, e->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
        }
        if (regulier)
            noms.append(QFile::decodeName(e->d_name));
    }
    ::closedir(d);
    NomsFichiers::TrierCommeDossier(noms);
    return noms;
}

int FichiersSysteme::NombreEntrees(const QString& dossier) {
    DIR* d = ::opendir(QFile::encodeName(dossier).constData());
    if (!d)
        return -1;
    int nombre = 0;
    while (const dirent* e = ::readdir(d))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            ++nombre;
    ::closedir(d);
    return nombre;
}

bool FichiersSysteme::Existe(const QString& chemin) {
    return QFileInfo::exists(chemin) || QFileInfo(chemin).isSymLink();
}

bool FichiersSysteme::EstDossier(const QString& chemin) {
    return QFileInfo(chemin).isDir();
}

bool FichiersSysteme::MemeFichier(const QString& a, const QString& b) {
    struct stat sa {
    }, sb{};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

Resultat FichiersSysteme::Renommer(const QString& de, const QString& vers) {
    const int code = renommerSansRemplacer(de, vers);
    return code == 0 ? Resultat::reussite() : Resultat::echec(texteErreur(code));
}

Resultat FichiersSysteme::Copier(const QString& de, const QString& vers) {
    if (Existe(vers))
        return Resultat::echec(texteErreur(EEXIST));
    QFile source(de);
    if (!source.copy(vers))
        return Resultat::echec(source.errorString());
    return Resultat::reussite();
}

Resultat FichiersSysteme::Deplacer(const QString& de, const QString& vers) {
    const int code = renommerSansRemplacer(de, vers);
    if (code == 0)
        return Resultat::reussite();
    if (code != EXDEV)
        return Resultat::echec(texteErreur(code));
    if (Resultat copie = Copier(de, vers); !copie)
        return copie;
    if (QFileInfo(de).size() != QFileInfo(vers).size()) {
        QFile::remove(vers);
        return Resultat::echec(QStringLiteral("copie incomplète"));
    }
    QFile source(de);
    if (!source.remove())
        return Resultat::echec(source.errorString());
    return Resultat::reussite();
}

Resultat FichiersSysteme::MettreCorbeille(const QString& chemin) {
    GFile* fichier = g_file_new_for_path(QFile::encodeName(chemin).constData());
    GError* erreur = nullptr;
    const gboolean ok = g_file_trash(fichier, nullptr, &erreur);
    g_object_unref(fichier);
    if (ok)
        return Resultat::reussite();
    const QString raison = erreur ? QString::fromUtf8(erreur->message) : QString();
    if (erreur)
        g_error_free(erreur);
    return Resultat::echec(raison);
}

Resultat FichiersSysteme::Supprimer(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.remove())
        return Resultat::echec(fichier.errorString());
    return Resultat::reussite();
}

bool FichiersSysteme::LectureSeule(const QString& chemin) {
    return !(QFile::permissions(chemin) & QFileDevice::WriteOwner);
}

Resultat FichiersSysteme::RetirerLectureSeule(const QString& chemin) {
    if (!QFile::setPermissions(chemin, QFile::permissions(chemin) | QFileDevice::WriteOwner))
        return Resultat::echec(texteErreur(errno));
    return Resultat::reussite();
}

Resultat FichiersSysteme::CreerDossier(const QString& chemin) {
    if (::mkdir(QFile::encodeName(chemin).constData(), 0777) == 0)
        return Resultat::reussite();
    const int code = errno;
    if (code == EEXIST && EstDossier(chemin))
        return Resultat::reussite();
    return Resultat::echec(texteErreur(code));
}

Resultat FichiersSysteme::SupprimerDossierVide(const QString& chemin) {
    if (::rmdir(QFile::encodeName(chemin).constData()) == 0)
        return Resultat::reussite();
    return Resultat::echec(texteErreur(errno));
}

std::optional<QByteArray> FichiersSysteme::Lire(const QString& chemin, qint64 maximum) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return std::nullopt;
    return maximum < 0 ? fichier.readAll() : fichier.read(maximum);
}

Resultat FichiersSysteme::EcrireAtomique(const QString& chemin, const QByteArray& contenu) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return Resultat::echec(fichier.errorString());
    if (fichier.write(contenu) != contenu.size()) {
        fichier.cancelWriting();
        return Resultat::echec(fichier.errorString());
    }
    if (!fichier.commit())
        return Resultat::echec(fichier.errorString());
    return Resultat::reussite();
}
