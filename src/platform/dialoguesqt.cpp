#include "dialoguesqt.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>

namespace {

QString titreOuApplication(const QString& titre) {
    return titre.isEmpty() ? QStringLiteral("Vimbral") : titre;
}

const QString FiltreProgrammes = QStringLiteral("Programmes (*)");
const QString FiltreFichiers = QStringLiteral("Fichiers (*)");

// Under the filter "Programmes": folders, executable files and application entries. No name
// pattern can say "executable", so the file dialog's view goes through this model.
class FiltreExecutables : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    bool programmes = true;

protected:
    bool filterAcceptsRow(int ligne, const QModelIndex& parent) const override {
        if (!programmes)
            return true;
        const auto* modele = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!modele)
            return true;
        const QFileInfo info = modele->fileInfo(modele->index(ligne, 0, parent));
        return info.isDir() || (info.isFile() && info.isExecutable()) ||
               info.suffix() == QLatin1String("desktop");
    }
};

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

QString DialoguesQt::ChoisirProgramme(const QString& titre, const QString& dossier) {
    QFileDialog dialogue(m_parent, titre, dossier);
    // Qt's own dialog: the proxy model is not available with the desktop's.
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    dialogue.setOption(QFileDialog::HideNameFilterDetails);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    // Room for the long names of /usr/bin and their columns.
    dialogue.resize(800, 520);
    auto* filtre = new FiltreExecutables(&dialogue);
    dialogue.setProxyModel(filtre);
    dialogue.setNameFilters({FiltreProgrammes, FiltreFichiers});
    QObject::connect(&dialogue, &QFileDialog::filterSelected, filtre, [filtre](const QString& f) {
        filtre->programmes = f == FiltreProgrammes;
        filtre->invalidate();
    });
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().constFirst();
}
