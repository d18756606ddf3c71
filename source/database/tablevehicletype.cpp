#include "database/tablevehicletype.h"

CTableVehicleType::CTableVehicleType(CDatabase *database, QObject *parent)
    : CTableVehicleTypeBase(database, QStringLiteral("vehicletype"), parent)
{
    init();
}
