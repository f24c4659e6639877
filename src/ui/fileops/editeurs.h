#pragma once

#include "listesdossiers.h"

#include <QObject>
#include <functional>

struct Plateforme;
class QMenu;

// The user's editors: "Editer.ini" read into a list, menus filled from it, and a file opened
// with one of them. Entry 0 is the desktop's program for the file; entries 1 and above are
// the registered programs, started with the file's path as their one argument, never through
// a shell.
class Editeurs : public QObject {
    Q_OBJECT
public:
    explicit Editeurs(Plateforme& plateforme, QObject* parent = nullptr);

    // Reads "Editer.ini" again.
    void Charger();
    const QList<ListesDossiers::Paire>& Liste() const { return m_liste; }
    int NbEditeurs() const { return int(m_liste.size()); }

    // Appends to the menu entry 0, captioned legendeDefaut, then one entry per program, named
    // nomArticles + "(k)"; the entries of an earlier fill of that name are replaced. A click
    // on entry k runs choisi(k).
    void RemplirMenu(QMenu& menu, const QString& nomArticles, const QString& legendeDefaut,
                     const std::function<void(int)>& choisi) const;
    // Opens the file with entry k; false, after saying why, when nothing could start.
    bool Lancer(int k, const QString& fichier);

    // Registers a program at the end of the list.
    bool Ajouter(const QString& nom, const QString& chemin);
    // Removes entry k (1 and above): every line of the file equal to its name or its path
    // goes, and the list is read back from what remains.
    bool Retirer(int k);

Q_SIGNALS:
    // The list changed: menus filled from it are to be filled again.
    void listeModifiee();

private:
    Plateforme& m_p;
    QList<ListesDossiers::Paire> m_liste;
};
