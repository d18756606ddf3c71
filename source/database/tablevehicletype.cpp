#include "database/tablevehicletype.h"

#include "database/transaction.h"

CTableVehicleType::CTableVehicleType(CDatabase *database, QObject *parent)
    : CTableVehicleTypeBase(database, QStringLiteral("vehicletype"), parent)
{
    init();
}

int CTableVehicleType::replacementFor(int id)
{
    return firstId(QStringLiteral("%1<>?").arg(column(Id)), {id});
}

bool CTableVehicleType::removeType(int id)
{
    CTransaction transaction(m_database);
    if (!transaction.isActive() || !remove(id))
        return false;
    return transaction.commit();
}
