#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QFlags>
#include <QString>

class CVehicle;

// What the vehicle dialog edits, the rules a complete form follows, and the
// save of the form into a vehicle record.
class CVehicleForm
{
    Q_DECLARE_TR_FUNCTIONS(CVehicleForm)

public:
    enum Field { NoField = 0x0, Name = 0x1, LicensePlate = 0x2, Odometer = 0x4, FuelNames = 0x8 };
    Q_DECLARE_FLAGS(Fields, Field)

    // The form as the record holds it; the odometer as decimal digits.
    static CVehicleForm fromVehicle(const CVehicle &vehicle);

    // The fields that keep the form from being saved: a blank name, licence
    // plate or odometer, an odometer that is not a whole number from 0 up,
    // and a blank name of a fuel the fuel system uses.
    Fields invalidFields() const;

    // Writes a valid form into `vehicle` and saves it; a vehicle that is not
    // stored yet goes last in the garage order. Returns the vehicle id, or 0
    // when the form is invalid or the save failed (then `error`, when given,
    // says why and the database keeps the previous row).
    int save(CVehicle &vehicle, QString *error = nullptr) const;

    int typeId = 0;
    QString name;
    QDate date;
    QString licensePlate;
    QDate registrationExpirationDate;
    QString odometerText;
    int odometerType = 0;
    int fuelSystemType = 0;
    QString fuelNameFirst;
    QString fuelNameSecond;
    QString description;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CVehicleForm::Fields)
