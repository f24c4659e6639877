#pragma once

#include "journal.h"
#include "resultat.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <optional>

// Files and folders. Paths use "/". No operation ever replaces an existing file: renames,
// copies and moves refuse when the target exists, and a failed trash is never followed by a
// plain delete.
class Fichiers {
public:
    virtual ~Fichiers() = default;

    // Names of the folder's regular files (links to regular files included), hidden names
    // left out, in enumeration order (case ignored, ties by exact comparison). A folder that
    // cannot be read lists nothing. A name that is not UTF-8 comes with
    // NomsFichiers::SuffixeIllisible, which no operation takes for a file.
    virtual QStringList Lister(const QString& dossier) = 0;
    // The same, kept to the names that match one pattern ("*.jpg", "*.*", "*.*   [M]").
    QStringList Lister(const QString& dossier, const QString& motif);

    virtual bool Existe(const QString& chemin) = 0;
    // Everything a folder holds: files, folders, hidden names; -1 when it cannot be read.
    virtual int NombreEntrees(const QString& dossier) = 0;
    virtual bool EstDossier(const QString& chemin) = 0;
    // Whether b reaches a's own entry (a volume that ignores case finds "Photo.jpg" for
    // "photo.jpg"). Two hard links of one file are two files: false.
    virtual bool MemeEntree(const QString& a, const QString& b) = 0;

    // The file a path names, whatever its name (the link itself for a symbolic link);
    // nothing when there is none.
    virtual std::optional<Journal::Identite> Identite(const QString& chemin) = 0;
    // Removes the name `doublon` when it is a second name of the file `garde` names (a rename
    // cut between its link and its unlink); anything else is refused.
    virtual Resultat RetirerDoublon(const QString& garde, const QString& doublon) = 0;

    // Renames within a volume or across folders of it; refuses an existing target. Folders
    // are renamed the same way.
    virtual Resultat Renommer(const QString& de, const QString& vers) = 0;
    // Told the bytes written so far while a copy runs, so that a window can follow a large
    // file.
    using Avancement = std::function<void(qint64 octets)>;
    // Copies a regular file. The data goes to a temporary file of the target's folder, which
    // takes the target's name through the no-replace rename: a half-written copy never bears
    // that name, and a file that appeared meanwhile is never replaced. The copy keeps the
    // source's permissions and modification time. On failure nothing is left behind.
    virtual Resultat Copier(const QString& de, const QString& vers,
                            const Avancement& avancement = {}) = 0;
    // The no-replace rename; across volumes a copy, made durable, checked (size and content)
    // before the source is removed. On any failure the source stays and no target is left.
    virtual Resultat Deplacer(const QString& de, const QString& vers,
                              const Avancement& avancement = {}) = 0;
    virtual Resultat MettreCorbeille(const QString& chemin) = 0;
    // A plain delete, for the program's own files only (its database, its settings).
    virtual Resultat Supprimer(const QString& chemin) = 0;

    virtual bool LectureSeule(const QString& chemin) = 0;
    virtual Resultat RetirerLectureSeule(const QString& chemin) = 0;
    // Creates one folder; its parent must exist.
    virtual Resultat CreerDossier(const QString& chemin) = 0;
    // Removes a folder only when it is empty.
    virtual Resultat SupprimerDossierVide(const QString& chemin) = 0;

    // Creates the folder and the missing folders above it.
    Resultat CreerChemin(const QString& chemin);

    // At most maximum bytes (all when negative); nothing when the file cannot be read.
    virtual std::optional<QByteArray> Lire(const QString& chemin, qint64 maximum = -1) = 0;
    // Replaces a file whole, so that a crash leaves either the old or the new content.
    virtual Resultat EcrireAtomique(const QString& chemin, const QByteArray& contenu) = 0;
};
