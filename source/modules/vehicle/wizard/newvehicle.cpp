#include "modules/vehicle/wizard/newvehicle.h"

#include "database/database.h"
#include "database/odometerlog.h"
#include "database/tablevehicletype.h"
#include "database/transaction.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"
#include "utility/clock.h"

#include <QSqlQuery>
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
    vehicle.setDescription(description);
    // Forced: a vehicle whose fields all equal the defaults is still new.
    const int vehicleId = vehicle.save(true);
    if (vehicleId == 0)
        return 0;

    COdometerLog reading;
    reading.setAutoSave(false);
    reading.setParentType(VehicleReading);
    reading.setParentId(0);
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
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    const qlonglong number = digits.toLongLong(&ok, 10);
    if (!ok || number > std::numeric_limits<int>::max())
        return false;
    if (value)
        *value = int(number);
    return true;
}

QString CNewVehicle::startingReadingDescription()
{
    return tr("Starting odometer value");
}

QList<CVehicleType> vehicleTypeList()
{
    QList<CVehicleType> types;
    CTableVehicleType *table = CTableVehicleType::instance();
    if (!table || !table->database())
        return types;
    QSqlQuery query;
    if (!table->database()->exec(query, QStringLiteral("SELECT * FROM %1").arg(table->tableName())))
        return types;
    while (query.next()) {
        CVehicleType type;
        type.load(query.record());
        types.append(type);
    }
    return types;
}
