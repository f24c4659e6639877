#pragma once

#include <QWidget>

struct EtatProgramme;
class Horloge;
class QLabel;
class QPushButton;
class QTreeWidget;

// The report window of the batch renames: the open folder, each selected file's old name
// and, as each file is done, its new name in bold. Its button sets FinRapport, which the
// batch waits for before going on.
class FrmRenom : public QWidget {
    Q_OBJECT
public:
    FrmRenom(EtatProgramme& etat, QWidget* parent = nullptr);

    // Shows the window with one row per old name and clears FinRapport, so that a press
    // left over from an earlier pass is not taken for this one.
    void Charger(const QString& repertoire, const QStringList& anciensNoms);
    // Row rang (from 0) gets its new name, in bold, and is scrolled into view.
    void InscrireNouveauNom(int rang, const QString& nom);
    // Done: the end colour, and the button shown and focused.
    void EtatFinal();
    bool EnEtatFinal() const { return m_etatFinal; }
    // Lets events run until the button has been pressed.
    void AttendreFin(Horloge& horloge);

    void CmdTer_Click();

    // The end colour, 1527906 in the program's red + 256 green + 65536 blue notation.
    static QColor CouleurFin();

    QLabel* LblRep;
    QTreeWidget* LV;
    QPushButton* CmdTer;

Q_SIGNALS:
    // The end state is on screen (tests press the button here).
    void etatFinalAtteint();
    // The button was pressed, or the window closed by other means.
    void termine();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    EtatProgramme& m_etat;
    bool m_etatFinal = false;
};
