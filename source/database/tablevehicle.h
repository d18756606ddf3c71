#pragma once

#include "database/processwide.h"
#include "database/tablevehiclebase.h"

class CTableVehicle : public CTableVehicleBase, public CProcessWide<CTableVehicle>
{
    Q_OBJECT

public:
    explicit CTableVehicle(CDatabase *database, QObject *parent = nullptr);

public slots:
    // Moves the vehicles of the deleted type to the remaining type with the
    // lowest id (0 when none is left).
    void slotVehicleTypeDeleted(int typeId);
};
