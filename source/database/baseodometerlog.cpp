#include "database/baseodometerlog.h"

#include "database/tableodometerlog.h"

CBaseOdometerLog::CBaseOdometerLog()
    : CTableObject(CTableOdometerLog::instance())
{
    clear();
}

QVector<CFieldBinding> CBaseOdometerLog::fields()
{
    return {
        CFieldBinding::number(m_vehicleId),
        CFieldBinding::date(m_date),
        CFieldBinding::number(m_odometer),
        CFieldBinding::text(m_description),
        CFieldBinding::number(m_parentType),
        CFieldBinding::number(m_parentId)
    };
}
