#pragma once

#include <QDialog>

struct Plateforme;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The window of the two folder lists. Favourites mode organises "Favoris.ini" (names shown,
// paths kept aside); copy mode picks a destination among the copy folders of "Dos.ini",
// which it can add to (creating a sub-folder on the way) and remove from. Nothing is written
// before "Valider".
class FrmDos : public QDialog {
    Q_OBJECT
public:
    FrmDos(Plateforme& plateforme, bool modeFavoris, QWidget* parent = nullptr);

    // Copy mode: the folder chosen by "Valider", ending with "/"; "" otherwise.
    QString DossierCopie() const { return m_dossierCopie; }

    QListWidget* LstDos;
    // The favourites' paths; each LstDos entry holds the index of its own here.
    QListWidget* LstFavTmp;
    QPushButton* CmdOK;
    QPushButton* CmdAnnule;
    QPushButton* CmdSupprimer;
    QPushButton* CmdParcourir;
    // Out of sight: it only holds the focus, so that no key acts on the list by surprise.
    QPushButton* Cmd;
    QLabel* LblF;
    QLabel* LblH;

    // "Annuler", Escape and the close box: nothing is written, no folder is chosen.
    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    void Charger();
    void CmdParcourir_Click();
    void CmdSupprimer_Click();
    void CmdOK_Click();
    void AjouterDossierCopie(QString dossier);
    QListWidgetItem* Ajouter(const QString& texte);
    void AjouterFavori(const QString& nom, const QString& chemin);
    bool EcrireDossiersCopie();

    Plateforme& m_p;
    const bool m_modeFavoris;
    bool SuppressionDemandee = false;
    QString m_dossierCopie;
};
