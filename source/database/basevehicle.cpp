#include "database/basevehicle.h"

#include "database/tablevehicle.h"

#include "utility/clock.h"

CBaseVehicle::CBaseVehicle()
    : CTableObject(CTableVehicle::instance())
{
    clear();
}

QVector<CFieldBinding> CBaseVehicle::fields()
{
    return {
        CFieldBinding::text(m_name),
        CFieldBinding::text(m_description),
        CFieldBinding::date(m_date, Utility::Clock::today()),
        CFieldBinding::number(m_typeId),
        CFieldBinding::number(m_odometerValue),
        CFieldBinding::number(m_odometerType),
        CFieldBinding::text(m_licensePlate),
        CFieldBinding::date(m_registrationExpirationDate, Utility::Clock::today()),
        CFieldBinding::number(m_fuelSystemType),
        CFieldBinding::text(m_fuelNameFirst),
        CFieldBinding::text(m_fuelNameSecond),
        CFieldBinding::number(m_locationId),
        CFieldBinding::number(m_status),
        CFieldBinding::number(m_order),
        CFieldBinding::flag(m_favorite)
    };
}
