#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class FrmPhoto;
class QAction;

// The slideshow: from the file shown to the last of the list, one file per interval chosen
// by the user, started and stopped by axBDiapo or the enlarged view's menu.
class Diaporama : public QObject {
    Q_OBJECT
public:
    explicit Diaporama(FrmPhoto& fenetre);
    ~Diaporama() override;

    void axBDiapo_Click();
    // From the button, the empty list is refused first.
    void Demarrer(bool depuisBouton);
    void Arreter(bool depuisBouton);
    // One step: the next entry, or the end at the last one.
    void TimerD_Timer();

    bool DiaporamaEnCours = false;
    QString TempsDiapo;
    // TimerD's interval, in milliseconds.
    int Intervalle = 0;

private:
    void Armer();
    // The button's colour, the enlarged view's two items and the editor menus.
    void Afficher(bool enCours);

    FrmPhoto& m_f;
    // TimerD runs while this lives.
    std::unique_ptr<QObject> m_minuterie;
    // The editor items the slideshow turned off, to turn on again.
    QList<QPointer<QAction>> m_editeurs;
};
