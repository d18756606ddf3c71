#include "database/tableserviceschedule.h"

#include "database/tablevehicle.h"

CTableServiceSchedule::CTableServiceSchedule(CDatabase *database, QObject *parent)
    : CTableServiceScheduleBase(database, QStringLiteral("service_schedule"), parent)
{
    init();
    // The list (newest id first within the vehicle) and the cascade.
    createIndex({VehicleId});
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableServiceSchedule::slotVehicleDeleted);
}

void CTableServiceSchedule::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}
