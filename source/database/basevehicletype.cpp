#include "database/basevehicletype.h"

#include "database/tablevehicletype.h"

CBaseVehicleType::CBaseVehicleType()
    : CTableObject(CTableVehicleType::instance())
{
    clear();
}

QVector<CFieldBinding> CBaseVehicleType::fields()
{
    return {
        CFieldBinding::text(m_name),
        CFieldBinding::text(m_imagePath),
        CFieldBinding::number(m_fuelSystemSuggestion),
        CFieldBinding::number(m_odometerTypeSuggestion),
        CFieldBinding::zero()
    };
}
