#pragma once

#include <QObject>
#include <functional>

class FrmPhoto;
class QAction;
class QMenu;

// The main window's pop-up menus, their option writers and their check marks.
class MenusPhoto : public QObject {
    Q_OBJECT
public:
    explicit MenusPhoto(FrmPhoto& fenetre);

    // Captions and check marks from the options, in one place.
    void AfficherOptions();
    // Activation: the warning before an incrementation is on.
    void AfficherAvertissement();
    // Gives an item its command and enables it.
    void Brancher(const QString& nomArticle, std::function<void()> commande);
    QAction* article(const QString& nom) const;

    // What the warning item does when it is ticked again (the warning window).
    std::function<void()> MontrerAvertissement;
    // The substring selection that follows a change of case rule; it saves the options when
    // it selects.
    std::function<void()> SelectionParChaine;

    QMenu* mnuOptions;
    QMenu* mnuInvisible;
    QMenu* mnuCopDepInvisible;
    QMenu* mnuEdit;
    QMenu* mnuFavorisInv;
    QAction* mnuSecOpt;

private:
    QMenu* MenuSurgissant(const QString& nom, const QString& titre);
    QAction* Ajouter(QMenu* menu, const QString& nom, const QString& legende, bool actif = false);
    QMenu* SousMenu(QMenu* menu, const QString& nom, const QString& legende);
    void Separer(QMenu* menu);
    void ChoisirTouche(bool marquer, int index);
    void Basculer(QAction* article, const std::function<void(bool)>& ecrire);

    FrmPhoto& m_f;
    int m_separateurs = 0;
};
