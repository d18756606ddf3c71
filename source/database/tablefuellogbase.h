#pragma once

#include "database/table.h"

// Columns of the "fuellog" table.
class CTableFuelLogBase : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, VehicleId, Date, Odometer, Description, FuelType, CostPerUnit, Quantity, Distance, Efficiency, TotalCost, Tires, DrivingStyle, Routes, Extras, DriverId };

    explicit CTableFuelLogBase(CDatabase *database, const QString &name = QStringLiteral("fuellog"),
                             QObject *parent = nullptr);

    void defineColumns() override;
};
