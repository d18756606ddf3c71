#include "modules/vehicle/fuellog/fuellogdelegate.h"

#include "database/fuellog.h"
#include "database/tablefuellog.h"

CFuelLogDelegate::CFuelLogDelegate(QObject *parent) : CRecordDelegate(parent)
{
    setDateColumns({CTableFuelLog::Date});
    setAmountColumns({CTableFuelLog::CostPerUnit, CTableFuelLog::TotalCost});
}

QString CFuelLogDelegate::cellText(int column, const QVariant &value) const
{
    if (column != CTableFuelLog::FuelType)
        return CRecordDelegate::cellText(column, value);
    const int fuelType = value.toInt();
    return fuelType == 1 || fuelType == 2 ? CFuelLog::fuelName(m_vehicle, fuelType) : tr("unknown");
}
