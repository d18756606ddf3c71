#include "database/tableserviceschedulebase.h"

CTableServiceScheduleBase::CTableServiceScheduleBase(CDatabase *database, const QString &name, QObject *parent)
    : CTable(database, name, parent)
{
}

void CTableServiceScheduleBase::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_vehicle_id"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_name"), QStringLiteral("text"));
    addColumn(QStringLiteral("_description"), QStringLiteral("text"));
    addColumn(QStringLiteral("_last_check_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_last_check_odometer"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_due_type"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_due_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_due_odometer"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_reminder_type"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_reminder_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_reminder_odometer"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_repeat_type"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_repeat_period"), QStringLiteral("text"));
    addColumn(QStringLiteral("_repeat_odometer"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_status"), QStringLiteral("integer"));
}
