#include "database/baseserviceschedule.h"

#include "database/tableserviceschedule.h"

CBaseServiceSchedule::CBaseServiceSchedule()
    : CTableObject(CTableServiceSchedule::instance())
{
    clear();
}

QVector<CFieldBinding> CBaseServiceSchedule::fields()
{
    return {
        CFieldBinding::number(m_vehicleId),
        CFieldBinding::text(m_name),
        CFieldBinding::text(m_description),
        CFieldBinding::date(m_lastCheckDate),
        CFieldBinding::number(m_lastCheckOdometer, -1),
        CFieldBinding::number(m_dueType),
        CFieldBinding::date(m_dueDate),
        CFieldBinding::number(m_dueOdometer, -1),
        CFieldBinding::number(m_reminderType),
        CFieldBinding::date(m_reminderDate),
        CFieldBinding::number(m_reminderOdometer, -1),
        CFieldBinding::number(m_repeatType),
        CFieldBinding::period(m_repeatPeriod),
        CFieldBinding::number(m_repeatOdometer, -1),
        CFieldBinding::number(m_status, 1)
    };
}
