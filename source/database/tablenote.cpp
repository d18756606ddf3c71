#include "database/tablenote.h"

#include "database/tablevehicle.h"

CTableNote::CTableNote(CDatabase *database, QObject *parent)
    : CTableNoteBase(database, QStringLiteral("note"), parent)
{
    init();
    // The list's order (newest first), the cascade and the reports' periods.
    createIndex({VehicleId, Date});
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableNote::slotVehicleDeleted);
}

void CTableNote::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}
