#pragma once

#include "database/processwide.h"
#include "database/tablevehiclebase.h"

#include <QList>

class CVehicle;

class CTableVehicle : public CTableVehicleBase, public CProcessWide<CTableVehicle>
{
    Q_OBJECT

public:
    explicit CTableVehicle(CDatabase *database, QObject *parent = nullptr);

    // Removes the vehicle together with every row that depends on it (the
    // cascade of deleted() signals) in one transaction: either all of it
    // goes or, when any part fails, none of it. False on failure.
    bool removeVehicle(int id);
    // Writes each vehicle's position in the list as its order, in one
    // transaction, and gives the records the same order. Only changed rows
    // are written; a list already in order needs no database. False when a
    // write or the commit failed (nothing is written then; the records keep
    // their old order).
    bool renumber(QList<CVehicle> &vehicles);
    // The number of vehicles of the type; 0 when the count fails.
    int countOfType(int typeId);

public slots:
    // Moves the vehicles of the deleted type to the remaining type with the
    // lowest id (0 when none is left). A failed move makes an enclosing
    // transaction fail. Emits updated() for each moved vehicle.
    void slotVehicleTypeDeleted(int typeId);
};
