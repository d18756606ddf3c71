#pragma once

#include "database/processwide.h"
#include "database/tablesessionbase.h"

class CTableSession : public CTableSessionBase, public CProcessWide<CTableSession>
{
    Q_OBJECT

public:
    explicit CTableSession(CDatabase *database, QObject *parent = nullptr);

public slots:
    // Removes the deleted vehicle's rows one at a time, each emitting
    // deleted(); all or none of them, and never past a removal that fails.
    void slotVehicleDeleted(int vehicleId);
};
