#pragma once

#include "database/processwide.h"
#include "database/tableodometerlogbase.h"

class CTableOdometerLog : public CTableOdometerLogBase, public CProcessWide<CTableOdometerLog>
{
    Q_OBJECT

public:
    explicit CTableOdometerLog(CDatabase *database, QObject *parent = nullptr);

    // Turns the readings of one fuel entry, service session, expense or note
    // into readings entered by hand (parent kind 1, parent id 0), keeping
    // date, odometer and description. The number of readings changed, -1 on
    // failure; emits fieldUpdated(ParentId) when any changed.
    int detachParent(int parentType, int parentId);

public slots:
    // Removes the deleted vehicle's rows with one statement, then emits
    // deleted() for each; all or none of them.
    void slotVehicleDeleted(int vehicleId);
};
