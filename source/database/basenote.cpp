#include "database/basenote.h"

#include "database/tablenote.h"

CBaseNote::CBaseNote()
    : CTableObject(CTableNote::instance())
{
    clear();
}

QVector<CFieldBinding> CBaseNote::fields()
{
    return {
        CFieldBinding::number(m_vehicleId),
        CFieldBinding::date(m_date),
        CFieldBinding::text(m_title),
        CFieldBinding::text(m_description),
        CFieldBinding::flag(m_stared)
    };
}
