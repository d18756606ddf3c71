#pragma once

#include "database/table.h"

// Columns of the "vehicle" table.
class CTableVehicleBase : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, Name, Description, Date, TypeId, OdometerValue, OdometerType, LicensePlate, RegistrationExpirationDate, FuelSystemType, FuelNameFirst, FuelNameSecond, LocationId, Status, Order, Favorite };

    explicit CTableVehicleBase(CDatabase *database, const QString &name = QStringLiteral("vehicle"),
                             QObject *parent = nullptr);

    void defineColumns() override;
};
