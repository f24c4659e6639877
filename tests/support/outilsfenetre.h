#pragma once

#include "etatprogramme.h"
#include "frmphoto.h"

#include <QStringList>

class Banc;

// The digests of a folder's contents, names left out: what a run must keep whole even when
// it renames.
QStringList contenus(const QString& dossier);

// The folder that holds the trashed files of the test's home.
QString corbeille();
// The contents (digests) of avant that none of these folders holds: what an operation lost.
QStringList perdus(QStringList avant, const QStringList& dossiers);

// What tests read from and do to the main window's file list, and the folder they open.
QStringList entrees(const FrmPhoto& f);
QStringList selection(const FrmPhoto& f);
// Selects exactly these entries.
void choisir(FrmPhoto& f, const QStringList& noms);
// The middle of an entry, and a click on it; a second click on one entry lands aside, or the
// two would make a double click.
QPoint centre(const FrmPhoto& f, int rang);
void cliquer(FrmPhoto& f, int rang, Qt::KeyboardModifiers touches = {},
             Qt::MouseButton bouton = Qt::LeftButton, int decalage = 0);
// The name box's text replaced by a typed one, then a key.
void taper(FrmPhoto& f, const QString& texte, Qt::Key touche = Qt::Key_Down);
// Types a text into a control key by key, accented letters included (QTest's own typing
// takes ASCII only).
void taperTexte(QWidget* controle, const QString& texte);
// The regular files of a folder, by name.
QStringList nomsSurDisque(const QString& dossier);
// Enters the incrementation mode by its button: the warning and the choice window accepted.
void entrerEnIncrementation(Banc& b, FrmPhoto& f);
// Makes the folder the start folder of "Photo.ini", so that the first activation opens it.
void ouvrirSur(Banc& b, const QString& dossier);

// What each report window showed when it reached its end state: "old | new" rows (" ! " for a
// row not in bold), the focus after its button, which is pressed unless laisser is set.
struct Rapports {
    explicit Rapports(FrmPhoto& f);
    QList<QStringList> lignes;
    QWidget* focus = nullptr;
    bool laisser = false;
};

// The main window opened on the test's photo folder, made its start folder, with these files
// in it (each holding its own name), a data folder, activated and shown.
struct FenetreOuverte {
    FenetreOuverte(Banc& b, const QStringList& fichiers = {});
    bool pret;
    EtatProgramme etat;
    FrmPhoto f;
};
