#pragma once

#include "dialogues.h"

#include <QPointer>
#include <QWidget>

// The boxes of Qt, parented to the program's current main window.
class DialoguesQt : public Dialogues {
public:
    void DefinirParent(QWidget* parent) { m_parent = parent; }

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
    QPointer<QWidget> m_parent;
};
