#include "database/tablenote.h"

#include "database/tablevehicle.h"

CTableNote::CTableNote(CDatabase *database, QObject *parent)
    : CTableNoteBase(database, QStringLiteral("note"), parent)
{
    init();
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableNote::slotVehicleDeleted);
}

void CTableNote::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}
