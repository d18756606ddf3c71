#pragma once

// Vehicles and fuel entries for the fuel log tests, on the TestDatabase of
// the running test.

#include "database/fuellog.h"
#include "database/settings.h"
#include "database/vehicle.h"

#include <QDate>

namespace FuelTestData {

inline void setUnits(int mode, int volumeUnit)
{
    CSettings::instance()->setValue(QStringLiteral("fuel_efficiency"), mode);
    CSettings::instance()->setValue(QStringLiteral("volume_unit"), volumeUnit);
}

inline CVehicle addVehicle(int fuelSystem, int odometerUnit = 1, int odometer = 0,
                           const QString &secondFuel = QStringLiteral("LPG"))
{
    CVehicle vehicle;
    vehicle.setAutoSave(false);
    vehicle.setName(QStringLiteral("Lada's van"));
    vehicle.setOdometerType(odometerUnit);
    vehicle.setOdometerValue(odometer);
    vehicle.setFuelSystemType(fuelSystem);
    vehicle.setFuelNameFirst(QStringLiteral("Diesel"));
    vehicle.setFuelNameSecond(secondFuel);
    return CVehicle(vehicle.save(true));
}

struct Entry
{
    int fuelType = 1;
    int odometer = 1000;
    QDate date = QDate(2024, 1, 10);
    double price = 1.5;
    double quantity = 40.0;
    int distance = 500;
    double total = 60.0;
    int tires = 0;
    int routes = 0;
};

// Stored with its odometer reading; the id.
inline int addEntry(const CVehicle &vehicle, const Entry &values)
{
    CFuelLog entry;
    entry.setAutoSave(false);
    entry.setFuelType(values.fuelType);
    entry.setOdometer(values.odometer);
    entry.setDate(values.date);
    entry.setCostPerUnit(values.price);
    entry.setQuantity(values.quantity);
    entry.setDistance(values.distance);
    entry.setTotalCost(values.total);
    entry.setTires(unsigned(values.tires));
    entry.setRoutes(unsigned(values.routes));
    return entry.saveWithReading(vehicle);
}

inline int addEntry(const CVehicle &vehicle, int fuelType, int odometer, double quantity = 40.0, int distance = 500,
                    double total = 60.0)
{
    Entry values;
    values.fuelType = fuelType;
    values.odometer = odometer;
    values.quantity = quantity;
    values.distance = distance;
    values.total = total;
    return addEntry(vehicle, values);
}

} // namespace FuelTestData
