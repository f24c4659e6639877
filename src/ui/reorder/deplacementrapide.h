#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>

class FrmPhoto;
class QListWidgetItem;

// Moves of several entries at once: the fast move to a rank (CmdRapide), the move below the
// next clicked entry, and the mouse wheel; plus the list's own mouse and key events. Only the
// order of the list changes; on disk only the marks that these moves put and take away.
class DeplacementRapide : public QObject {
    Q_OBJECT
public:
    explicit DeplacementRapide(FrmPhoto& fenetre);

    void CmdRapide_Click();
    void mnuDeplaceFich_Click();
    // The end of the move below a clicked entry, run by the list's click handling when
    // OperationEnAttente is 3: the waiting entries go just below the current entry.
    void TerminerDeplacementSousClic();
    void mnuDeplaceFichAide_Click();

    void LstFF_MouseDown(Qt::MouseButton bouton, const QPoint& position);
    void LstFF_MouseMove(const QPoint& position);
    // The selection of several entries moves by PasMolette places per step of the wheel
    // (positive: down). False when the wheel should scroll the list instead.
    bool LstFF_Molette(int crans);

    // The order chosen in the last FrmDeplace: 0 to 3, 4 for none.
    int OrdreDeplacement = 4;
    // The deletion command, run by the Delete key when the list holds more than one entry.
    std::function<void()> SupprimerFichiers;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // Tags the selected entries as sources and answers their names, in list order.
    QStringList MarquerSources();
    // New entries at the plan's places, into the list that still holds the sources; answers
    // them in list order.
    QList<QListWidgetItem*> Inserer(int ordre, int rang, const QStringList& noms);
    void RetirerSources();
    void RetirerEtiquettes();
    // The entry under a point of the list, or 65536 when the point is below every entry.
    int IndexAuPoint(const QPoint& position) const;

    FrmPhoto& m_f;
    int m_angleMolette = 0;
};
