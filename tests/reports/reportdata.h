#pragma once

// Costs, fuel entries and odometer readings for the report tests, on the
// TestDatabase of the running test. Rows are written as they are stored, so
// each test controls every value the reports read.

#include "../fuellog/fueltestdata.h"

#include "database/expense.h"
#include "database/fuellog.h"
#include "database/odometerlog.h"
#include "database/session.h"

#include <QDate>

namespace ReportData {

using FuelTestData::addVehicle;

inline int addFuel(const CVehicle &vehicle, const QDate &date, double total, int odometer = 1000,
                   double efficiency = 6.0, int fuelType = 1)
{
    CFuelLog entry;
    entry.setAutoSave(false);
    entry.setVehicleId(vehicle.id());
    entry.setFuelType(fuelType);
    entry.setDate(date);
    entry.setOdometer(odometer);
    entry.setTotalCost(total);
    entry.setEfficiency(efficiency);
    entry.setQuantity(40.0);
    entry.setDistance(500);
    return entry.save(true);
}

inline int addService(const CVehicle &vehicle, const QDate &date, double total)
{
    CSession session;
    session.setAutoSave(false);
    session.setVehicleId(vehicle.id());
    session.setDate(date);
    session.setTotalCost(total);
    return session.save(true);
}

inline int addExpense(const CVehicle &vehicle, const QDate &date, double amount)
{
    CExpense expense;
    expense.setAutoSave(false);
    expense.setVehicleId(vehicle.id());
    expense.setDate(date);
    expense.setAmount(amount);
    return expense.save(true);
}

inline int addReading(const CVehicle &vehicle, const QDate &date, int odometer)
{
    COdometerLog reading;
    reading.setAutoSave(false);
    reading.setVehicleId(vehicle.id());
    reading.setDate(date);
    reading.setOdometer(odometer);
    reading.setParentType(COdometerLog::VehicleParent);
    return reading.save(true);
}

} // namespace ReportData
