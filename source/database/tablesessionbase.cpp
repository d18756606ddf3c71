#include "database/tablesessionbase.h"

CTableSessionBase::CTableSessionBase(CDatabase *database, const QString &name, QObject *parent)
    : CTable(database, name, parent)
{
}

void CTableSessionBase::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_vehicle_id"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_odometer"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_description"), QStringLiteral("text"));
    addColumn(QStringLiteral("_total_cost"), QStringLiteral("text"));
    addColumn(QStringLiteral("_vendor_id"), QStringLiteral("integer"));
}
