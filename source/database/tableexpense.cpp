#include "database/tableexpense.h"

#include "database/tablevehicle.h"

CTableExpense::CTableExpense(CDatabase *database, QObject *parent)
    : CTableExpenseBase(database, QStringLiteral("expense"), parent)
{
    init();
    // The list's order (newest first), the cascade and the reports' periods.
    createIndex({VehicleId, Date});
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableExpense::slotVehicleDeleted);
}

void CTableExpense::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}
