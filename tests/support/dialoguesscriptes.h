#pragma once

#include "dialogues.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;

// Answers the program's boxes from a queue of expected boxes and records every one shown.
// A box that was not expected, or whose text differs from the one expected, is a failure
// that the test reads from erreurs() (the box then answers Cancel, "" or nothing).
class DialoguesScriptes : public Dialogues {
public:
    enum class Genre { Message, Saisie, Dossier, Couleur, Fenetre, Menu, Police, Programme };

    struct Vue {
        Genre genre;
        QString texte;
        QString titre;
        Icone icone = Icone::Aucune;
        Boutons boutons = Boutons::Ok;
        int boutonDefaut = 0;
    };

    // An empty expected text accepts any text.
    void attendreMessage(const QString& texte, Reponse reponse = Reponse::Ok);
    // Boxes in turn: a text that begins with "oui:", "non:" or "annuler:" is answered so, the
    // others OK; "saisie:answer|prompt" is an input box (an empty prompt accepts any).
    void attendreMessages(const QStringList& textes);
    void attendreSaisie(const QString& texte, const QString& reponse);
    void attendreDossier(const QString& reponse);
    // The program file chosen ("" for Cancel); the box's title is recorded as its text.
    void attendreProgramme(const QString& reponse);
    // A window of the program: the script acts on it and answers its result code.
    void attendreFenetre(const QString& nomObjet, std::function<int(QDialog&)> script);

    // A pop-up menu (its object name) and the item chosen in it (an action's object name,
    // "" for none: the menu is closed).
    void attendreMenu(const QString& nomMenu, const QString& nomAction);

    // When set, a box that nobody expects is answered here instead of being a failure: the
    // reply to a message, the text of an input box, the result of a window (after acting on
    // it), the item of a menu ("" for none). Boxes expected with attendre... come first.
    struct Libre {
        std::function<Reponse(const Vue&)> message;
        std::function<QString(const Vue&)> saisie;
        std::function<int(QDialog&)> fenetre;
        std::function<QString(const QMenu&)> menu;
    };
    std::optional<Libre> libre;

    const QList<Vue>& vues() const { return m_vues; }
    QStringList textes() const;
    const QStringList& erreurs() const { return m_erreurs; }
    // True when nothing unexpected happened and every expected box was shown.
    bool termine() const { return m_erreurs.isEmpty() && m_attendus.isEmpty(); }
    QString rapport() const;
    void effacer();

    Reponse Message(const QString& texte, Icone icone, Boutons boutons, int boutonDefaut,
                    const QString& titre) override;
    QString Saisie(const QString& invite, const QString& titre, const QString& defaut) override;
    QString ChoisirDossier(const QString& invite) override;
    std::optional<QColor> ChoisirCouleur(const QColor& initiale) override;
    std::optional<QFont> ChoisirPolice(const QFont& initiale) override;
    int Executer(QDialog& fenetre) override;
    void AfficherMenu(QMenu& menu, const QPoint& position) override;
    QString ChoisirProgramme(const QString& titre, const QString& dossier) override;

private:
    struct Attendu {
        Genre genre;
        QString texte;
        Reponse reponse = Reponse::Ok;
        QString saisie;
        std::function<int(QDialog&)> script;
    };
    // The next expected box if it is of this kind and text; records a failure otherwise.
    std::optional<Attendu> prendre(Genre genre, const QString& texte);

    QList<Attendu> m_attendus;
    QList<Vue> m_vues;
    QStringList m_erreurs;
};
