#include "database/tableserviceitembase.h"

CTableServiceItemBase::CTableServiceItemBase(CDatabase *database, const QString &name, QObject *parent)
    : CTable(database, name, parent)
{
}

void CTableServiceItemBase::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_service_log_id"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_description"), QStringLiteral("text"));
    addColumn(QStringLiteral("_cost"), QStringLiteral("text"));
}
