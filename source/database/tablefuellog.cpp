#include "database/tablefuellog.h"

#include "database/tablevehicle.h"

CTableFuelLog::CTableFuelLog(CDatabase *database, QObject *parent)
    : CTableFuelLogBase(database, QStringLiteral("fuellog"), parent)
{
    init();
    // The list's order (and the cascade), the previous entry of a fuel, the
    // per-fuel totals read from the index alone, and the reports' periods.
    createIndex({VehicleId, Odometer});
    createIndex({VehicleId, FuelType, Odometer, Distance, Quantity, TotalCost});
    createIndex({VehicleId, Date});
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableFuelLog::slotVehicleDeleted);
}

void CTableFuelLog::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}

bool CTableFuelLog::hasEntries(int vehicleId)
{
    return findId(QStringLiteral("%1=?").arg(column(VehicleId)), {vehicleId}) != 0;
}
