#pragma once

#include <QByteArray>
#include <QString>

class Dialogues;
struct Plateforme;

// What the file operations share: the list files of the program folder, and the checks and
// creation of a folder name typed by the user.
namespace OutilsFichiers {

// A list file of the program folder ("Favoris.ini", "Dos.ini", "Editer.ini"); empty when
// missing.
QByteArray LireListe(Plateforme& plateforme, const QString& nomFichier);
// Replaces it whole; says so when it cannot be written, and answers false.
bool EcrireListe(Plateforme& plateforme, const QString& nomFichier, const QByteArray& contenu);
// A name or a path that a line of these files cannot hold is refused with a message.
bool TexteAccepte(Dialogues& dialogues, const QString& texte);

// A folder name that the system and the program accept; the others are explained (a name of
// spaces only is refused without a word, as an empty answer).
bool NomDossierAccepte(Dialogues& dialogues, const QString& nom, const QString& titre = {});
// Creates parent + nom (parent ends with "/"); explains a refusal.
bool CreerSousDossier(Plateforme& plateforme, const QString& parent, const QString& nom,
                      const QString& titre);

} // namespace OutilsFichiers
