#pragma once

#include "database/table.h"

// Columns of the "vehicletype" table.
class CTableVehicleTypeBase : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, Name, ImagePath, FuelSystemSuggestion, OdometerTypeSuggestion, Order };

    explicit CTableVehicleTypeBase(CDatabase *database, const QString &name = QStringLiteral("vehicletype"),
                             QObject *parent = nullptr);

    void defineColumns() override;
};
