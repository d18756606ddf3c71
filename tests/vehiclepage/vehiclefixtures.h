#pragma once

// Vehicle types and vehicles for the vehicle page tests, written through the
// records into the test database.

#include "database/tablevehicletype.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"

#include <QtTest>

namespace Fixtures {

// Car (one fuel, km), Bicycle (no fuel, km), Boat (one fuel, hours): ids 1 to 3.
inline void addVehicleTypes()
{
    struct Type
    {
        const char *name;
        const char *image;
        int fuelSystem;
        int odometer;
    };
    const Type types[] = {
        {"Car", ":/resource/icons/vehicle-car-256.png", 1, 1},
        {"Bicycle", ":/resource/icons/vehicle-bicycle-256.png", 0, 1},
        {"Boat", ":/resource/icons/vehicle-boat-256.png", 1, 3},
    };
    for (const Type &t : types) {
        CVehicleType type;
        type.setName(QString::fromLatin1(t.name));
        type.setImagePath(QString::fromLatin1(t.image));
        type.setFuelSystemSuggestion(t.fuelSystem);
        type.setOdometerTypeSuggestion(t.odometer);
        QVERIFY(type.save() != 0);
    }
}

inline int addVehicle(const QString &name, int fuelSystem = 1, const QString &firstFuel = QStringLiteral("Diesel"),
                      const QString &secondFuel = QString())
{
    CVehicle vehicle;
    vehicle.setName(name);
    vehicle.setTypeId(1);
    vehicle.setLicensePlate(QStringLiteral("KR-1001"));
    vehicle.setDate(QDate(2019, 5, 17));
    vehicle.setRegistrationExpirationDate(QDate(2030, 1, 1));
    vehicle.setOdometerType(1);
    vehicle.setOdometerValue(48200);
    vehicle.setFuelSystemType(fuelSystem);
    vehicle.setFuelNameFirst(firstFuel);
    vehicle.setFuelNameSecond(secondFuel);
    return vehicle.save();
}

} // namespace Fixtures
