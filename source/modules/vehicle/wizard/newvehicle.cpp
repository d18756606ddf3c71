#include "modules/vehicle/wizard/newvehicle.h"

#include "database/odometerlog.h"
#include "database/transaction.h"
#include "database/vehicle.h"
#include "utility/clock.h"
#include "utility/numbertext.h"
#include "utility/utility.h"

#include <limits>

int CNewVehicle::save() const
{
    CTransaction transaction;
    if (!transaction.isActive())
        return 0;

    CVehicle vehicle;
    vehicle.setAutoSave(false);
    vehicle.setName(name);
    vehicle.setDate(date);
    vehicle.setTypeId(typeId);
    vehicle.setLicensePlate(licensePlate);
    vehicle.setRegistrationExpirationDate(registrationExpirationDate);
    vehicle.setOdometerType(odometerType);
    vehicle.setOdometerValue(odometerValue);
    vehicle.setFuelSystemType(fuelSystem.type);
    vehicle.setFuelNameFirst(fuelSystem.firstName);
    vehicle.setFuelNameSecond(fuelSystem.secondName);
    vehicle.setDescription(Utility::emptyIfBlank(description));
    // Last in the garage, like a vehicle from the vehicle dialog; the next
    // garage refresh renumbers.
    vehicle.setOrder(std::numeric_limits<int>::max());
    // Forced: a vehicle whose fields all equal the defaults is still new.
    const int vehicleId = vehicle.save(true);
    if (vehicleId == 0)
        return 0;

    COdometerLog reading;
    reading.setAutoSave(false);
    reading.setParentType(COdometerLog::VehicleParent);
    reading.setVehicleId(vehicleId);
    reading.setDate(Utility::Clock::today());
    reading.setOdometer(odometerValue);
    reading.setDescription(startingReadingDescription());
    if (reading.save(true) == 0)
        return 0;

    return transaction.commit() ? vehicleId : 0;
}

bool CNewVehicle::parseOdometer(const QString &text, int *value)
{
    const std::optional<int> number = NumberText::whole(text);
    if (number && value)
        *value = *number;
    return number.has_value();
}

QString CNewVehicle::startingReadingDescription()
{
    return tr("Starting odometer value");
}
