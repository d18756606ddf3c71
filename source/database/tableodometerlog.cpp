#include "database/tableodometerlog.h"

#include "database/tablevehicle.h"

CTableOdometerLog::CTableOdometerLog(CDatabase *database, QObject *parent)
    : CTableOdometerLogBase(database, QStringLiteral("odometerlog"), parent)
{
    init();
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableOdometerLog::slotVehicleDeleted);
}

void CTableOdometerLog::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}
