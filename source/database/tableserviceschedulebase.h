#pragma once

#include "database/table.h"

// Columns of the "service_schedule" table.
class CTableServiceScheduleBase : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, VehicleId, Name, Description, LastCheckDate, LastCheckOdometer, DueType, DueDate, DueOdometer, ReminderType, ReminderDate, ReminderOdometer, RepeatType, RepeatPeriod, RepeatOdometer, Status };

    explicit CTableServiceScheduleBase(CDatabase *database, const QString &name = QStringLiteral("service_schedule"),
                             QObject *parent = nullptr);

    void defineColumns() override;
};
