#pragma once

#include <QList>
#include <QObject>

class FrmPhoto;
class QAction;

// The favourite folders: the menu of axBF built from "Favoris.ini", adding the open folder,
// opening a favourite, organising the list in FrmDos; and the choice of a copy folder,
// through the same window in its copy mode.
class Favoris : public QObject {
    Q_OBJECT
public:
    explicit Favoris(FrmPhoto& fenetre);

    // Rebuilds the menu's favourites from the file.
    void Charge_Favoris();
    void MnuMarquer_Click();
    void mnuOrganiser_Click();
    void mnuFavoris_Click(int index);
    int NbFavoris() const { return int(m_articles.size()); }

    // The copy-folder window; answers the folder chosen (ending with "/"), or "".
    QString ChoisirDossierCopie();
    // A folder renamed: the favourites and copy folders inside it follow it.
    void DeplacerDossier(const QString& ancien, const QString& nouveau);

private:
    FrmPhoto& m_f;
    // Items 1 to NbFavoris; item 0 is the hidden template.
    QList<QAction*> m_articles;
};
