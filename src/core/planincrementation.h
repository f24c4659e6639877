#pragma once

#include "renommage.h"

#include <QList>
#include <QString>
#include <QStringList>

// The choices of the incrementation options window and the title typed for the list.
struct ParametresIncrementation {
    QString ChaineLiaison = QStringLiteral(" _ ");
    qint16 NumeroDepart = 1;
    QString ChiffreDepart = QStringLiteral("1");
    // 1 = number at the left of the text, 2 = at its right.
    quint8 PositionNumero = 1;
    quint8 AvecTitre = 0;
    quint8 RenommerListe = 0;
    quint8 ToutSelectionner = 0;
    QString TitreListe;
};

// The passes of an incrementation, computed from the list's entries (in display order) and
// their selected states.
namespace PlanIncrementation {

struct Numerotation {
    PlanRenommage plan;
    // A selected name already held the link string: the list was numbered before.
    bool dejaIncrementee = false;
};

// Numbers the selected entries from NumeroDepart and widens the numbers of unselected
// numbered entries to the digits of the entry count. Stops with a refusal where the running
// number would pass 32767.
Numerotation PlanNumerotation(const QStringList& entrees, const QList<bool>& selection,
                              const ParametresIncrementation& p);

// Keeps the first piece and the last piece of each selected name: the number given last and
// the text and extension, without the number of the earlier incrementation.
PlanRenommage PlanSuppressionNumero(const QStringList& entrees, const QList<bool>& selection,
                                    const QString& liaison);

// Keeps each selected name's number and gives it the list title.
PlanRenommage PlanRenommageListe(const QStringList& entrees, const QList<bool>& selection,
                                 const QString& liaison, const QString& titre);

// The first selected entry without the link string, or -1.
int PremiereNonIncrementee(const QStringList& entrees, const QList<bool>& selection,
                           const QString& liaison);

} // namespace PlanIncrementation
