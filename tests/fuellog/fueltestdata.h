#pragma once

// Vehicles and fuel entries for the fuel log tests, on the TestDatabase of
// the running test.

#include "database/fuellog.h"
#include "database/settings.h"
#include "modules/options/units.h"
#include "testrecords.h"

#include <QDate>

namespace FuelTestData {

// Per distance in litres, the default currency ($).
inline void prepare()
{
    resetCurrency();
    CSettings::instance()->setValue(QStringLiteral("fuel_efficiency"), 1);
    CSettings::instance()->setValue(QStringLiteral("volume_unit"), 1);
}

using TestRecords::rows;

inline CVehicle addVehicle(int fuelSystem, int odometerUnit = 1, int odometer = 0)
{
    return CVehicle(TestRecords::addVehicle(QStringLiteral("Lada's van"), odometer, odometerUnit, fuelSystem,
                                            QStringLiteral("Diesel"), QStringLiteral("LPG")));
}

struct Entry
{
    int fuelType = 1;
    int odometer = 1000;
    double quantity = 40.0;
    int distance = 500;
    double total = 60.0;
    double price = 1.5;
    QDate date = QDate(2024, 1, 10);
    int tires = 0;
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
    return entry.saveWithReading(vehicle);
}

inline int addEntry(const CVehicle &vehicle, int fuelType, int odometer, double quantity = 40.0, int distance = 500,
                    double total = 60.0)
{
    return addEntry(vehicle, Entry{fuelType, odometer, quantity, distance, total});
}

} // namespace FuelTestData
