#include "database/tablefuellogbase.h"

CTableFuelLogBase::CTableFuelLogBase(CDatabase *database, const QString &name, QObject *parent)
    : CTable(database, name, parent)
{
}

void CTableFuelLogBase::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_vehicle_id"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_odometer"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_description"), QStringLiteral("text"));
    addColumn(QStringLiteral("_fuel_type"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_cost_per_unit"), QStringLiteral("text"));
    addColumn(QStringLiteral("_quantity"), QStringLiteral("text"));
    addColumn(QStringLiteral("_distance"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_efficiency"), QStringLiteral("text"));
    addColumn(QStringLiteral("_total_cost"), QStringLiteral("text"));
    addColumn(QStringLiteral("_tires"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_driving_style"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_routes"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_extras"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_driver_id"), QStringLiteral("integer"));
}
