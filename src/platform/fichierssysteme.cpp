#include "fichierssysteme.h"

#include "nomsfichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QString texteErreur(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// Whether the folder holds an entry spelt exactly so. A volume that ignores case finds
// "Photo.jpg" for "photo.jpg", but only one of the two is written in its folder.
bool entreeExacte(const QByteArray& chemin) {
    const qsizetype barre = chemin.lastIndexOf('/');
    const QByteArray dossier =
        barre < 0 ? QByteArray(".") : chemin.left(std::max<qsizetype>(barre, 1));
    const QByteArray nom = chemin.mid(barre + 1);
    DIR* d = ::opendir(dossier.constData());
    if (!d)
        return true;
    bool trouve = false;
    while (const dirent* e = ::readdir(d))
        if (nom == e->d_name) {
            trouve = true;
            break;
        }
    ::closedir(d);
    return trouve;
}

// True when b reaches a's own entry: the same inode, and b not written as a name of its own
// (two hard links are two files for the user).
bool memeEntree(const QByteArray& a, const QByteArray& b) {
    struct stat sa {
    }, sb{};
    if (::lstat(a.constData(), &sa) != 0 || ::lstat(b.constData(), &sb) != 0)
        return false;
    if (sa.st_dev != sb.st_dev || sa.st_ino != sb.st_ino)
        return false;
    return a == b || !entreeExacte(b);
}

// 0 on success, else the errno of the refusal. Never replaces the target.
int renommerSansRemplacer(const QString& de, const QString& vers) {
    const QByteArray a = QFile::encodeName(de);
    const QByteArray b = QFile::encodeName(vers);
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    const int code = errno;
    if (code == EEXIST) {
        // On a volume that ignores case, "photo.jpg" -> "Photo.jpg" finds its own entry as
        // the target: a plain rename changes only the case and loses nothing.
        if (a != b && memeEntree(a, b))
            return ::rename(a.constData(), b.constData()) == 0 ? 0 : errno;
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
        if (!regulier)
            continue;
        const QString nom = QFile::decodeName(e->d_name);
        // A name that does not come back to its bytes cannot be reached by its text.
        noms.append(QFile::encodeName(nom) == e->d_name ? nom
                                                        : nom + NomsFichiers::SuffixeIllisible);
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

bool FichiersSysteme::MemeEntree(const QString& a, const QString& b) {
    return memeEntree(QFile::encodeName(a), QFile::encodeName(b));
}

std::optional<Journal::Identite> FichiersSysteme::Identite(const QString& chemin) {
    struct stat st {};
    if (::lstat(QFile::encodeName(chemin).constData(), &st) != 0)
        return std::nullopt;
    return Journal::Identite{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size)};
}

Resultat FichiersSysteme::RetirerDoublon(const QString& garde, const QString& doublon) {
    const QByteArray a = QFile::encodeName(garde);
    const QByteArray b = QFile::encodeName(doublon);
    struct stat sa {
    }, sb{};
    if (a == b || ::lstat(a.constData(), &sa) != 0 || ::lstat(b.constData(), &sb) != 0 ||
        sa.st_dev != sb.st_dev || sa.st_ino != sb.st_ino || !S_ISREG(sa.st_mode))
        return Resultat::echec(QStringLiteral("pas un second nom du même fichier"));
    if (::unlink(b.constData()) != 0)
        return Resultat::echec(texteErreur(errno));
    return Resultat::reussite();
}

Resultat FichiersSysteme::Renommer(const QString& de, const QString& vers) {
    const int code = RenommerBrut(de, vers);
    return code == 0 ? Resultat::reussite() : Resultat::echec(texteErreur(code));
}

int FichiersSysteme::RenommerBrut(const QString& de, const QString& vers) {
    return renommerSansRemplacer(de, vers);
}

Resultat FichiersSysteme::CreerTemporaire(const QString& dossier, int& descripteur,
                                          QString& chemin) {
    QByteArray modele = QFile::encodeName(dossier) + "/.vimbral-copie-XXXXXX";
    descripteur = ::mkostemp(modele.data(), O_CLOEXEC);
    if (descripteur < 0)
        return Resultat::echec(texteErreur(errno));
    chemin = QFile::decodeName(modele);
    return Resultat::reussite();
}

Resultat FichiersSysteme::CopierContenu(int source, int cible, const Avancement& avancement) {
    // The kernel copies (or shares the blocks) itself where it can; plain reads and writes
    // elsewhere.
    constexpr size_t Tranche = 8 << 20;
    bool noyau = true;
    std::vector<char> tampon;
    qint64 total = 0;
    for (;;) {
        ssize_t n = -1;
        if (noyau) {
            n = ::copy_file_range(source, nullptr, cible, nullptr, Tranche, 0);
            if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL ||
                          errno == EOPNOTSUPP || errno == EBADF)) {
                noyau = false;
                continue;
            }
        } else {
            tampon.resize(1 << 20);
            n = ::read(source, tampon.data(), tampon.size());
            for (ssize_t ecrit = 0; n > 0 && ecrit < n;) {
                const ssize_t e = ::write(cible, tampon.data() + ecrit, size_t(n - ecrit));
                if (e < 0 && errno != EINTR)
                    return Resultat::echec(texteErreur(errno));
                ecrit += std::max<ssize_t>(e, 0);
            }
        }
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Resultat::echec(texteErreur(errno));
        }
        if (n == 0)
            return Resultat::reussite();
        total += n;
        if (avancement)
            avancement(total);
    }
}

Resultat FichiersSysteme::ReporterAttributs(int source, int cible) {
    struct stat st {};
    if (::fstat(source, &st) != 0 || ::fchmod(cible, st.st_mode & 0777) != 0)
        return Resultat::echec(texteErreur(errno));
    const struct timespec temps[2] = {st.st_atim, st.st_mtim};
    if (::futimens(cible, temps) != 0)
        return Resultat::echec(texteErreur(errno));
    return Resultat::reussite();
}

Resultat FichiersSysteme::VerifierCopie(const QString& de, const QString& vers) {
    QFile a(de);
    QFile b(vers);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
        return Resultat::echec(QStringLiteral("la copie n'a pas pu être relue"));
    if (a.size() != b.size())
        return Resultat::echec(QStringLiteral("la copie est incomplète"));
    constexpr qint64 Tranche = 1 << 20;
    while (!a.atEnd()) {
        const QByteArray x = a.read(Tranche);
        if (x.isEmpty() || x != b.read(Tranche))
            return Resultat::echec(QStringLiteral("la copie diffère de l'original"));
    }
    return Resultat::reussite();
}

Resultat FichiersSysteme::CopierFichier(const QString& de, const QString& vers,
                                        const Avancement& avancement, bool durable,
                                        quint64* inode) {
    // Opened without waiting: a named pipe under a photo's name must not block the window.
    const int source = ::open(QFile::encodeName(de).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (source < 0)
        return Resultat::echec(texteErreur(errno));
    struct stat st {};
    if (::fstat(source, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(source);
        return Resultat::echec(QStringLiteral("ce n'est pas un fichier ordinaire"));
    }
    if (Existe(vers)) {
        ::close(source);
        return Resultat::echec(texteErreur(EEXIST));
    }
    const qsizetype barre = vers.lastIndexOf(QLatin1Char('/'));
    const QString dossier = barre <= 0 ? QStringLiteral("/") : vers.left(barre);
    int cible = -1;
    QString temporaire;
    if (Resultat r = CreerTemporaire(dossier, cible, temporaire); !r) {
        ::close(source);
        return r;
    }
    Resultat r = CopierContenu(source, cible, avancement);
    if (r)
        r = ReporterAttributs(source, cible);
    if (r && durable && ::fdatasync(cible) != 0)
        r = Resultat::echec(texteErreur(errno));
    struct stat copie {};
    if (r && inode && ::fstat(cible, &copie) == 0)
        *inode = copie.st_ino;
    // A network volume reports a failed write only when the file is closed.
    if (::close(cible) != 0 && r)
        r = Resultat::echec(texteErreur(errno));
    ::close(source);
    if (r)
        r = Renommer(temporaire, vers);
    if (!r) {
        ::unlink(QFile::encodeName(temporaire).constData());
        return r;
    }
    if (durable) {
        const int d =
            ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (d >= 0) {
            ::fsync(d);
            ::close(d);
        }
    }
    return Resultat::reussite();
}

Resultat FichiersSysteme::Copier(const QString& de, const QString& vers,
                                 const Avancement& avancement) {
    return CopierFichier(de, vers, avancement, false, nullptr);
}

Resultat FichiersSysteme::Deplacer(const QString& de, const QString& vers,
                                   const Avancement& avancement) {
    const int code = RenommerBrut(de, vers);
    if (code == 0)
        return Resultat::reussite();
    if (code != EXDEV)
        return Resultat::echec(texteErreur(code));
    // Across volumes the source goes only once its copy is on the disk and reads back whole.
    quint64 inode = 0;
    if (Resultat copie = CopierFichier(de, vers, avancement, true, &inode); !copie)
        return copie;
    Resultat r = VerifierCopie(de, vers);
    if (r) {
        r = Supprimer(de);
        if (!r)
            r.message = QStringLiteral("l'original n'a pas pu être retiré : ") + r.message;
    }
    if (!r) {
        // Only the copy made here is removed, never a file that took its name since.
        struct stat st {};
        const QByteArray cible = QFile::encodeName(vers);
        if (::lstat(cible.constData(), &st) == 0 && st.st_ino == inode)
            ::unlink(cible.constData());
    }
    return r;
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
    // Unbuffered: a buffered save file commits even when its last write failed (a full
    // disk), and the old file would be replaced by a truncated one.
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Resultat::echec(fichier.errorString());
    if (fichier.write(contenu) != contenu.size() || !fichier.flush()) {
        const QString raison = fichier.errorString();
        fichier.cancelWriting();
        return Resultat::echec(raison);
    }
    if (!fichier.commit())
        return Resultat::echec(fichier.errorString());
    return Resultat::reussite();
}
