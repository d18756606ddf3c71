#include "database/tablesession.h"

#include "database/tablevehicle.h"

CTableSession::CTableSession(CDatabase *database, QObject *parent)
    : CTableSessionBase(database, QStringLiteral("service_session"), parent)
{
    init();
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableSession::slotVehicleDeleted);
}

void CTableSession::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}
