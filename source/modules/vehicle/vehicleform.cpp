#include "modules/vehicle/vehicleform.h"

#include "database/database.h"
#include "database/table.h"
#include "database/vehicle.h"
#include "modules/vehicle/wizard/fuelsystem.h"
#include "utility/numbertext.h"
#include "utility/utility.h"

#include <limits>

namespace {

bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

} // namespace

CVehicleForm CVehicleForm::fromVehicle(const CVehicle &vehicle)
{
    CVehicleForm form;
    form.typeId = vehicle.typeId();
    form.name = vehicle.name();
    form.date = vehicle.date();
    form.licensePlate = vehicle.licensePlate();
    form.registrationExpirationDate = vehicle.registrationExpirationDate();
    form.odometerText = QString::number(vehicle.odometerValue());
    form.odometerType = vehicle.odometerType();
    form.fuelSystemType = vehicle.fuelSystemType();
    form.fuelNameFirst = vehicle.fuelNameFirst();
    form.fuelNameSecond = vehicle.fuelNameSecond();
    form.description = vehicle.description();
    return form;
}

CVehicleForm::Fields CVehicleForm::invalidFields() const
{
    Fields invalid;
    if (isBlank(name))
        invalid |= Name;
    if (isBlank(licensePlate))
        invalid |= LicensePlate;
    if (!NumberText::whole(odometerText))
        invalid |= Odometer;
    const bool firstUsed = fuelSystemType == CFuelSystem::Single || fuelSystemType == CFuelSystem::Double;
    const bool secondUsed = fuelSystemType == CFuelSystem::Double;
    if ((firstUsed && isBlank(fuelNameFirst)) || (secondUsed && isBlank(fuelNameSecond)))
        invalid |= FuelNames;
    return invalid;
}

int CVehicleForm::save(CVehicle &vehicle, QString *error) const
{
    const std::optional<int> odometer = NumberText::whole(odometerText);
    if (invalidFields() != NoField || !odometer) {
        if (error)
            *error = tr("The vehicle data are incomplete.");
        return 0;
    }
    // One row is written: the statement stands or fails as a whole.
    vehicle.setAutoSave(false);
    vehicle.setTypeId(typeId);
    vehicle.setName(name);
    vehicle.setDate(date);
    vehicle.setLicensePlate(licensePlate);
    vehicle.setRegistrationExpirationDate(registrationExpirationDate);
    vehicle.setOdometerValue(*odometer);
    vehicle.setOdometerType(odometerType);
    vehicle.setFuelSystemType(fuelSystemType);
    vehicle.setFuelNameFirst(fuelNameFirst);
    vehicle.setFuelNameSecond(fuelNameSecond);
    vehicle.setDescription(Utility::emptyIfBlank(description));
    if (vehicle.id() == 0)
        vehicle.setOrder(std::numeric_limits<int>::max());
    const int id = vehicle.save(false);
    if (id == 0 && error) {
        CDatabase *database = vehicle.table() ? vehicle.table()->database() : nullptr;
        *error = database ? database->errorText() : QString();
    }
    return id;
}
