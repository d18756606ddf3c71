#pragma once

#include "modules/vehicle/wizard/fuelsystem.h"
#include "modules/vehicle/wizard/odometerunit.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

// What the new-vehicle wizard collects, and the one operation that stores
// it: the vehicle and its starting odometer reading, together or not at all.
class CNewVehicle
{
    Q_DECLARE_TR_FUNCTIONS(CNewVehicle)

public:
    // Inserts the vehicle and its starting reading (parent kind 1, dated
    // today, description "Starting odometer value") in one transaction.
    // Returns the new vehicle's id, or 0 when any step or the commit failed,
    // in which case nothing is written.
    int save() const;

    // Reads an odometer value as typed: decimal digits only (blanks around
    // them ignored), whatever the system locale, from 0 up to the largest
    // storable reading. False for anything else, including empty text.
    static bool parseOdometer(const QString &text, int *value);

    static QString startingReadingDescription();

    QString name;
    QDate date;
    int typeId = 0;
    QString licensePlate;
    QDate registrationExpirationDate;
    int odometerType = COdometerUnit::Kilometres;
    int odometerValue = 0;
    CFuelSystem fuelSystem;
    QString description;
};
