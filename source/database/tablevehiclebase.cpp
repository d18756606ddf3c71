#include "database/tablevehiclebase.h"

CTableVehicleBase::CTableVehicleBase(CDatabase *database, const QString &name, QObject *parent)
    : CTable(database, name, parent)
{
}

void CTableVehicleBase::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_name"), QStringLiteral("text"));
    addColumn(QStringLiteral("_description"), QStringLiteral("text"));
    addColumn(QStringLiteral("_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_type_id"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_odometer_value"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_odometer_type"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_license_plate"), QStringLiteral("text"));
    addColumn(QStringLiteral("_registration_expiration_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_fuel_system_type"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_fuel_name_first"), QStringLiteral("text"));
    addColumn(QStringLiteral("_fuel_name_second"), QStringLiteral("text"));
    addColumn(QStringLiteral("_location_id"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_status"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_order"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_favorite"), QStringLiteral("integer"));
}
