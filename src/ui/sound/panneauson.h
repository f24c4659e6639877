#pragma once

#include "son.h"

#include <QObject>
#include <QString>

#include <memory>

class FrmPhoto;
class LecteurSon;
class QMouseEvent;

// The sound panel of the main window: a sound file selected in the list is loaded without
// being heard, with its size and duration; Play and Stop, the elapsed time ticking every
// second, the position slider, the volume cursor drawn in PctSon and the mixer button.
// Every control's state follows from the panel's state, in one place.
class PanneauSon : public QObject {
public:
    enum class Etat { AucunSon, Prepare, Lecture };

    // Connects CmdJouer, CmdStop, SLD, PctSon and axBson.
    explicit PanneauSon(FrmPhoto& fenetre);
    ~PanneauSon() override;

    // A sound file of the open folder, selected in the list.
    void Preparer(const QString& nom);
    // Any other file, or a new list: nothing prepared, the panel hidden, the file let go.
    void AucunSon();
    void CmdJouer_Click();
    // Stops the sound and lets go of its file, before the list changes or a file is renamed,
    // moved or trashed: Playing goes back to Prepared.
    void Stop_son();
    void CmdStop_Click();
    // Every second while playing: the elapsed time and the slider follow the sound.
    void Timer_Tick();
    void axBson_Click();

    Etat etat() const { return m_etat; }
    int Volume() const { return m_curseur.Volume(); }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void Afficher();
    void Armer();
    void DessinerVolume();
    void SourisVolume(QMouseEvent* event);

    FrmPhoto& m_f;
    std::unique_ptr<LecteurSon> m_propre;
    LecteurSon* m_lecteur;
    Etat m_etat = Etat::AucunSon;
    // The list name of the file prepared.
    QString m_nom;
    CurseurVolume m_curseur;
    bool m_tenu = false;
    // The pending tick goes with it when the sound stops.
    std::unique_ptr<QObject> m_minuterie;
};
