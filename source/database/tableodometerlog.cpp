#include "database/tableodometerlog.h"

#include "database/odometerlog.h"
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

int CTableOdometerLog::detachParent(int parentType, int parentId)
{
    const int changed = runChange(QStringLiteral("UPDATE %1 SET %2 = ?, %3 = 0 WHERE %2 = ? AND %3 = ?")
                                      .arg(m_name, column(ParentType), column(ParentId)),
                                  {int(COdometerLog::VehicleParent), parentType, parentId});
    if (changed > 0)
        emit fieldUpdated(ParentId);
    return changed;
}

void CTableOdometerLog::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}
