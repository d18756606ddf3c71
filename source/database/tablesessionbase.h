#pragma once

#include "database/table.h"

// Columns of the "service_session" table.
class CTableSessionBase : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, VehicleId, Date, Odometer, Description, TotalCost, VendorId };

    explicit CTableSessionBase(CDatabase *database, const QString &name = QStringLiteral("service_session"),
                             QObject *parent = nullptr);

    void defineColumns() override;
};
