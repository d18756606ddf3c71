#pragma once

#include "database/processwide.h"
#include "database/tableexpensebase.h"

class CTableExpense : public CTableExpenseBase, public CProcessWide<CTableExpense>
{
    Q_OBJECT

public:
    explicit CTableExpense(CDatabase *database, QObject *parent = nullptr);

public slots:
    // Removes the deleted vehicle's rows one at a time, each emitting
    // deleted(); all or none of them, and never past a removal that fails.
    void slotVehicleDeleted(int vehicleId);
};
