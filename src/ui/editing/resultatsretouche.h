#pragma once

#include <QByteArray>
#include <QString>

class FrmPhoto;
class QColor;
class QImage;
struct Options;

// What resizing, text overlay and rotation share: the list entries of their results, the
// file a result replaces, and the originals kept in "Photos sauvegardées".
namespace ResultatsRetouche {

// The program folder's "Photos sauvegardées/".
QString DossierSauvegarde(FrmPhoto& f);

// Puts the entry just after row rang unless the list already holds it; answers its row.
int InsererApres(FrmPhoto& f, int rang, const QString& nom);
// Removes the entry of that name, if any; answers the row it stood at, or -1.
int RetirerEntree(FrmPhoto& f, const QString& nom);

// The file a result replaces goes to the trash, never away for good; false (and said) when
// it could not.
bool MettreAuRebut(FrmPhoto& f, const QString& chemin);

enum class Publication { Faite, Refusee, Echouee };
// Writes a result into the open folder as nom, listed after row rang. When remplacer, the file
// of that name goes to the trash first (Refusee, said, when it cannot); Echouee is a write the
// system refused, left to the caller to report.
Publication PublierResultat(FrmPhoto& f, const QByteArray& contenu, const QString& nom,
                            bool remplacer, int rang);

enum class Sauvegarde { Faite, Refusee, Echouee };
// Moves the open folder's file nom into "Photos sauvegardées", under "Copie de " + nom (after
// saying so) when nom is there already. When both names are taken nothing moves and the user
// is told (Refusee); Echouee is a move the system refused, left to the caller to report.
Sauvegarde Sauvegarder(FrmPhoto& f, const QString& nom);

// The overlay text drawn onto a picture with the options' font, size, styles, colour and
// position (their defaults while they were never set).
void DessinerTexte(QImage& image, const QString& texte, const Options& options);
QColor CouleurOption(qint32 rgb);
qint32 OptionCouleur(const QColor& couleur);

} // namespace ResultatsRetouche
