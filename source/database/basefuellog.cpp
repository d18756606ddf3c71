#include "database/basefuellog.h"

#include "database/tablefuellog.h"

CBaseFuelLog::CBaseFuelLog()
    : CTableObject(CTableFuelLog::instance())
{
    clear();
}

QVector<CFieldBinding> CBaseFuelLog::fields()
{
    return {
        CFieldBinding::number(m_vehicleId),
        CFieldBinding::date(m_date),
        CFieldBinding::number(m_odometer),
        CFieldBinding::text(m_description),
        CFieldBinding::number(m_fuelType),
        CFieldBinding::money(m_costPerUnit),
        CFieldBinding::money(m_quantity),
        CFieldBinding::number(m_distance),
        CFieldBinding::money(m_efficiency),
        CFieldBinding::money(m_totalCost),
        CFieldBinding::code(m_tires),
        CFieldBinding::code(m_drivingStyle),
        CFieldBinding::code(m_routes),
        CFieldBinding::code(m_extras),
        CFieldBinding::code(m_driverId)
    };
}
