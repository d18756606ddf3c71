#pragma once

// Vehicles and row counts on the TestDatabase of the running test.

#include "database/database.h"
#include "database/odometerlog.h"
#include "database/vehicle.h"

#include <QSqlQuery>

namespace TestRecords {

// Stored as given, without the starting reading a new vehicle gets; the id.
inline int addVehicle(const QString &name = QStringLiteral("Van"), int odometer = 0, int unit = 1, int fuelSystem = 0,
                      const QString &firstFuel = QString(), const QString &secondFuel = QString())
{
    CVehicle vehicle;
    vehicle.setAutoSave(false);
    vehicle.setName(name);
    vehicle.setOdometerType(unit);
    vehicle.setOdometerValue(odometer);
    vehicle.setFuelSystemType(fuelSystem);
    vehicle.setFuelNameFirst(firstFuel);
    vehicle.setFuelNameSecond(secondFuel);
    return vehicle.save(true);
}

// A reading as the odometer log stores it, by default one of the vehicle's
// own; the id.
inline int addReading(int vehicleId, const QDate &date, int odometer, int parentType = COdometerLog::VehicleParent,
                      int parentId = 0, const QString &description = QString())
{
    COdometerLog reading;
    reading.setAutoSave(false);
    reading.setVehicleId(vehicleId);
    reading.setDate(date);
    reading.setOdometer(odometer);
    reading.setParentType(parentType);
    reading.setParentId(parentId);
    reading.setDescription(description);
    return reading.save(true);
}

// -1 when the table cannot be counted.
inline int rows(const QString &table)
{
    QSqlQuery query;
    if (!CDatabase::instance()->exec(query, QStringLiteral("SELECT count(*) FROM %1").arg(table)) || !query.next())
        return -1;
    return query.value(0).toInt();
}

} // namespace TestRecords
