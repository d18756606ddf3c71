#include "database/tablefuellog.h"

#include "database/tablevehicle.h"

CTableFuelLog::CTableFuelLog(CDatabase *database, QObject *parent)
    : CTableFuelLogBase(database, QStringLiteral("fuellog"), parent)
{
    init();
    // The page, the list and the cascade select by vehicle.
    createIndex(VehicleId);
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
