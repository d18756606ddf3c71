#pragma once

#include "database/processwide.h"
#include "database/tablesessionbase.h"

class CTableSession : public CTableSessionBase, public CProcessWide<CTableSession>
{
    Q_OBJECT

public:
    explicit CTableSession(CDatabase *database, QObject *parent = nullptr);

public slots:
    // Removes the deleted vehicle's rows with one statement, then emits
    // deleted() for each; all or none of them.
    void slotVehicleDeleted(int vehicleId);
};
