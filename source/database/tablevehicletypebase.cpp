#include "database/tablevehicletypebase.h"

CTableVehicleTypeBase::CTableVehicleTypeBase(CDatabase *database, const QString &name, QObject *parent)
    : CTable(database, name, parent)
{
}

void CTableVehicleTypeBase::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_name"), QStringLiteral("text"));
    addColumn(QStringLiteral("_image_path"), QStringLiteral("text"));
    addColumn(QStringLiteral("_fuel_system_suggestion"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_odometer_type_suggestion"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_order"), QStringLiteral("integer"));
}
