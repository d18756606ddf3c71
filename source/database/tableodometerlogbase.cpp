#include "database/tableodometerlogbase.h"

CTableOdometerLogBase::CTableOdometerLogBase(CDatabase *database, const QString &name, QObject *parent)
    : CTable(database, name, parent)
{
}

void CTableOdometerLogBase::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_vehicle_id"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_odometer"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_description"), QStringLiteral("text"));
    addColumn(QStringLiteral("_parent_type"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_parent_id"), QStringLiteral("integer"));
}
