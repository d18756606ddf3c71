#include "database/tablesession.h"

#include "database/tablevehicle.h"

CTableSession::CTableSession(CDatabase *database, QObject *parent)
    : CTableSessionBase(database, QStringLiteral("service_session"), parent)
{
    init();
    // The list's order (and the cascade), and the reports' periods.
    createIndex({VehicleId, Odometer});
    createIndex({VehicleId, Date});
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableSession::slotVehicleDeleted);
}

void CTableSession::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}
