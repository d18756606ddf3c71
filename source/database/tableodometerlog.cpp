#include "database/tableodometerlog.h"

#include "database/tablevehicle.h"

CTableOdometerLog::CTableOdometerLog(CDatabase *database, QObject *parent)
    : CTableOdometerLogBase(database, QStringLiteral("odometerlog"), parent)
{
    init();
    // The list's order (also the cascade and the estimates by date); the entry
    // dialogs find their reading by parent.
    createIndex({VehicleId, Date, Odometer});
    createIndex({ParentType, ParentId});
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableOdometerLog::slotVehicleDeleted);
}

void CTableOdometerLog::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}
