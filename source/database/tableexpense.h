#pragma once

#include "database/processwide.h"
#include "database/tableexpensebase.h"

class CTableExpense : public CTableExpenseBase, public CProcessWide<CTableExpense>
{
    Q_OBJECT

public:
    explicit CTableExpense(CDatabase *database, QObject *parent = nullptr);

public slots:
    // Removes the deleted vehicle's rows with one statement, then emits
    // deleted() for each; all or none of them.
    void slotVehicleDeleted(int vehicleId);
};
