#include "modules/vehicle/serviceschedule/servicescheduledelegate.h"

#include "database/tableserviceschedule.h"
#include "utility/clock.h"

#include <QColor>
#include <QSqlQueryModel>
#include <QSqlRecord>

CServiceScheduleDelegate::CServiceScheduleDelegate(QObject *parent)
    : CRecordDelegate(parent)
{
    setTextColumns({CTableServiceSchedule::Name});
}

void CServiceScheduleDelegate::setVehicle(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    forgetRows();
}

void CServiceScheduleDelegate::forgetRows()
{
    m_row = -1;
}

const CServiceSchedule &CServiceScheduleDelegate::scheduleAt(const QModelIndex &index) const
{
    const auto *model = qobject_cast<const QSqlQueryModel *>(index.model());
    if (index.row() != m_row || !model || model->index(index.row(), 0).data().toInt() != m_schedule.id()) {
        m_schedule = CServiceSchedule();
        if (model)
            m_schedule.load(model->record(index.row()));
        m_schedule.useVehicle(m_vehicle);
        m_row = index.row();
    }
    return m_schedule;
}

QString CServiceScheduleDelegate::rowText(const QModelIndex &index) const
{
    const CServiceSchedule &schedule = scheduleAt(index);
    switch (index.column()) {
    case CTableServiceSchedule::LastCheckDate:
        return schedule.lastCheckText(dateFormat());
    case CTableServiceSchedule::DueType:
        return schedule.dueText(dateFormat());
    case CTableServiceSchedule::ReminderType:
        return schedule.reminderText();
    case CTableServiceSchedule::RepeatType:
        return schedule.repeatText();
    case CTableServiceSchedule::Status:
        return schedule.statusText();
    default:
        return CRecordDelegate::rowText(index);
    }
}

QColor CServiceScheduleDelegate::textColor(const QModelIndex &index) const
{
    return statusColor(scheduleAt(index), Utility::Clock::today());
}

QColor CServiceScheduleDelegate::statusColor(const CServiceSchedule &schedule, const QDate &today)
{
    if (!schedule.isActive())
        return QColor(Qt::gray);
    const int odometer = schedule.vehicle().odometerValue();
    if (schedule.isOverdue(today, odometer))
        return QColor(0xC6, 0x28, 0x28);
    if (schedule.isReminderReached(today, odometer))
        return QColor(0x1E, 0x63, 0xC4);
    return QColor();
}
