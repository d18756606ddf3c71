#pragma once

#include "database/processwide.h"
#include "database/tablevehicletypebase.h"

class CTableVehicleType : public CTableVehicleTypeBase, public CProcessWide<CTableVehicleType>
{
    Q_OBJECT

public:
    explicit CTableVehicleType(CDatabase *database, QObject *parent = nullptr);
};
