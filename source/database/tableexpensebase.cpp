#include "database/tableexpensebase.h"

CTableExpenseBase::CTableExpenseBase(CDatabase *database, const QString &name, QObject *parent)
    : CTable(database, name, parent)
{
}

void CTableExpenseBase::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_vehicle_id"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_amount"), QStringLiteral("text"));
    addColumn(QStringLiteral("_name"), QStringLiteral("text"));
    addColumn(QStringLiteral("_comment"), QStringLiteral("text"));
}
