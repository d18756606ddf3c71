#pragma once

#include "database/processwide.h"
#include "database/tablefuellogbase.h"

class CTableFuelLog : public CTableFuelLogBase, public CProcessWide<CTableFuelLog>
{
    Q_OBJECT

public:
    explicit CTableFuelLog(CDatabase *database, QObject *parent = nullptr);

    // True when the vehicle has at least one fuel entry.
    bool hasEntries(int vehicleId);

public slots:
    // Removes the deleted vehicle's rows with one statement, then emits
    // deleted() for each; all or none of them.
    void slotVehicleDeleted(int vehicleId);
};
