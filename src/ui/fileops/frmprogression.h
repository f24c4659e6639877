#pragma once

#include <QDialog>
#include <QElapsedTimer>

class Horloge;
class QLabel;
class QProgressBar;
class QPushButton;

// The progress of a long file operation: shown half a second after it starts, counting the
// files and the bytes, with "Annuler", which stops the operation between two files. While
// it is hidden the operation takes no click; once shown, only this window does.
class FrmProgression : public QDialog {
    Q_OBJECT
public:
    FrmProgression(Horloge& horloge, const QString& titre, int fichiers, qint64 octets,
                   QWidget* parent = nullptr);

    // faits files handled and octets bytes written so far; lets the windows repaint, and
    // this one take its button.
    void Avancer(int faits, qint64 octets);
    bool Annulee() const { return m_annulee; }

    QLabel* LblFichiers;
    QLabel* LblOctets;
    QProgressBar* Prg;
    QPushButton* CmdAnnule;

    // "Annuler", Escape and the close box ask for the stop; the window stays until it comes.
    void reject() override;

private:
    Horloge& m_horloge;
    const int m_fichiers;
    const qint64 m_octets;
    bool m_annulee = false;
    QElapsedTimer m_pas;
};
