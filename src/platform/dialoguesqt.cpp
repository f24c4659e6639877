#include "dialoguesqt.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString titreOuApplication(const QString& titre) {
    return titre.isEmpty() ? QStringLiteral("Vimbral") : titre;
}

} // namespace

Dialogues::Reponse DialoguesQt::Message(const QString& texte, Icone icone, Boutons boutons,
                                        int boutonDefaut, const QString& titre) {
    QMessageBox boite(m_parent);
    boite.setWindowTitle(titreOuApplication(titre));
    boite.setText(texte);
    switch (icone) {
    case Icone::Aucune:
        boite.setIcon(QMessageBox::NoIcon);
        break;
    case Icone::Information:
        boite.setIcon(QMessageBox::Information);
        break;
    case Icone::Question:
        boite.setIcon(QMessageBox::Question);
        break;
    case Icone::Exclamation:
        boite.setIcon(QMessageBox::Warning);
        break;
    case Icone::Critique:
        boite.setIcon(QMessageBox::Critical);
        break;
    }
    QList<QPair<QPushButton*, Reponse>> liste;
    auto ajouter = [&](const QString& texteBouton, QMessageBox::ButtonRole role, Reponse r) {
        liste.append({boite.addButton(texteBouton, role), r});
    };
    switch (boutons) {
    case Boutons::Ok:
        ajouter(QStringLiteral("OK"), QMessageBox::AcceptRole, Reponse::Ok);
        break;
    case Boutons::OuiNon:
        ajouter(QStringLiteral("Oui"), QMessageBox::YesRole, Reponse::Oui);
        ajouter(QStringLiteral("Non"), QMessageBox::NoRole, Reponse::Non);
        break;
    case Boutons::OuiNonAnnuler:
        ajouter(QStringLiteral("Oui"), QMessageBox::YesRole, Reponse::Oui);
        ajouter(QStringLiteral("Non"), QMessageBox::NoRole, Reponse::Non);
        ajouter(QStringLiteral("Annuler"), QMessageBox::RejectRole, Reponse::Annuler);
        break;
    }
    if (boutonDefaut >= 0 && boutonDefaut < liste.size())
        boite.setDefaultButton(liste[boutonDefaut].first);
    // Escape answers like the last button (Non, Annuler) or OK alone.
    boite.setEscapeButton(liste.last().first);
    boite.exec();
    for (const auto& [bouton, reponse] : liste)
        if (boite.clickedButton() == bouton)
            return reponse;
    return liste.last().second;
}

QString DialoguesQt::Saisie(const QString& invite, const QString& titre, const QString& defaut) {
    bool ok = false;
    const QString texte = QInputDialog::getText(m_parent, titreOuApplication(titre), invite,
                                                QLineEdit::Normal, defaut, &ok);
    return ok ? texte : QString();
}

QString DialoguesQt::ChoisirDossier(const QString& invite) {
    return QFileDialog::getExistingDirectory(m_parent, invite, QDir::homePath(),
                                             QFileDialog::ShowDirsOnly);
}

std::optional<QColor> DialoguesQt::ChoisirCouleur(const QColor& initiale) {
    const QColor couleur = QColorDialog::getColor(initiale, m_parent);
    if (!couleur.isValid())
        return std::nullopt;
    return couleur;
}

std::optional<QFont> DialoguesQt::ChoisirPolice(const QFont& initiale) {
    bool ok = false;
    const QFont police = QFontDialog::getFont(&ok, initiale, m_parent);
    if (!ok)
        return std::nullopt;
    return police;
}

int DialoguesQt::Executer(QDialog& fenetre) {
    return fenetre.exec();
}

void DialoguesQt::AfficherMenu(QMenu& menu, const QPoint& position) {
    // exec() triggers the chosen action itself.
    menu.exec(position);
}
