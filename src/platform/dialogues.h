#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QDialog;
class QMenu;
class QPoint;

// Every box the program shows, and its own modal windows, go through here so that tests
// can answer them from a script.
class Dialogues {
public:
    enum class Icone { Aucune, Information, Question, Exclamation, Critique };
    enum class Boutons { Ok, OuiNon, OuiNonAnnuler };
    enum class Reponse { Ok, Oui, Non, Annuler };

    virtual ~Dialogues() = default;

    // boutonDefaut counts the buttons from the left (0 = "OK" or "Oui"). An empty title
    // shows the application's title.
    virtual Reponse Message(const QString& texte, Icone icone, Boutons boutons = Boutons::Ok,
                            int boutonDefaut = 0, const QString& titre = {}) = 0;
    // Answers "" on Cancel.
    virtual QString Saisie(const QString& invite, const QString& titre = {},
                           const QString& defaut = {}) = 0;
    // Answers the chosen folder's path, or "" on Cancel.
    virtual QString ChoisirDossier(const QString& invite) = 0;
    virtual std::optional<QColor> ChoisirCouleur(const QColor& initiale) = 0;
    // The font dialog (family, size, styles, underline); nothing on Cancel.
    virtual std::optional<QFont> ChoisirPolice(const QFont& initiale) = 0;
    // Shows one of the program's own windows modally; answers its result code.
    virtual int Executer(QDialog& fenetre) = 0;
    // Pops a menu up at a global position and runs the item chosen, if any.
    virtual void AfficherMenu(QMenu& menu, const QPoint& position) = 0;
    // A program file to start: executable files, application entries (".desktop"), or any
    // file. Answers its path, or "" on Cancel.
    virtual QString ChoisirProgramme(const QString& titre, const QString& dossier) = 0;
};
