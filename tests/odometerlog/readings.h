#pragma once

// Vehicles and readings for the odometer log tests.

#include "database/odometerlog.h"
#include "testrecords.h"

inline int addVehicle(int odometer)
{
    return TestRecords::addVehicle(QStringLiteral("car"), odometer);
}

inline int addReading(int vehicleId, const QDate &date, int odometer,
                      int parentType = COdometerLog::VehicleParent, int parentId = 0,
                      const QString &description = QString())
{
    COdometerLog reading;
    reading.setVehicleId(vehicleId);
    reading.setDate(date);
    reading.setOdometer(odometer);
    reading.setParentType(parentType);
    reading.setParentId(parentId);
    reading.setDescription(description);
    return reading.save(true);
}
