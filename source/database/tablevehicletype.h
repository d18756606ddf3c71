#pragma once

#include "database/processwide.h"
#include "database/tablevehicletypebase.h"

class CTableVehicleType : public CTableVehicleTypeBase, public CProcessWide<CTableVehicleType>
{
    Q_OBJECT

public:
    explicit CTableVehicleType(CDatabase *database, QObject *parent = nullptr);

    // Removes the type and moves its vehicles to the remaining type with the
    // lowest id, in one transaction: both happen or neither. False on failure.
    bool removeType(int id);
    // The type that takes the vehicles of type `id` when it is deleted: the
    // other type with the lowest id, 0 when none is left.
    int replacementFor(int id);
};
