#include "database/tablevehicle.h"

#include "database/tablevehicletype.h"

CTableVehicle::CTableVehicle(CDatabase *database, QObject *parent)
    : CTableVehicleBase(database, QStringLiteral("vehicle"), parent)
{
    init();
    if (CTableVehicleType *source = CTableVehicleType::instance())
        connect(source, &CTable::deleted, this, &CTableVehicle::slotVehicleTypeDeleted);
}

void CTableVehicle::slotVehicleTypeDeleted(int typeId)
{
    CTableVehicleType *types = CTableVehicleType::instance();
    updateFieldWhere(TypeId, types ? types->firstId() : 0, QStringLiteral("%1=?").arg(column(TypeId)),
                     {typeId});
}
