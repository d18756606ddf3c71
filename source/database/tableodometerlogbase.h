#pragma once

#include "database/table.h"

// Columns of the "odometerlog" table.
class CTableOdometerLogBase : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, VehicleId, Date, Odometer, Description, ParentType, ParentId };

    explicit CTableOdometerLogBase(CDatabase *database, const QString &name = QStringLiteral("odometerlog"),
                             QObject *parent = nullptr);

    void defineColumns() override;
};
