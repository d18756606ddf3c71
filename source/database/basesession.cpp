#include "database/basesession.h"

#include "database/tablesession.h"

CBaseSession::CBaseSession()
    : CTableObject(CTableSession::instance())
{
    clear();
}

QVector<CFieldBinding> CBaseSession::fields()
{
    return {
        CFieldBinding::number(m_vehicleId),
        CFieldBinding::date(m_date),
        CFieldBinding::number(m_odometer),
        CFieldBinding::text(m_description),
        CFieldBinding::money(m_totalCost),
        CFieldBinding::number(m_vendorId)
    };
}
