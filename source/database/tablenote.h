#pragma once

#include "database/processwide.h"
#include "database/tablenotebase.h"

class CTableNote : public CTableNoteBase, public CProcessWide<CTableNote>
{
    Q_OBJECT

public:
    explicit CTableNote(CDatabase *database, QObject *parent = nullptr);

public slots:
    // Removes the deleted vehicle's rows with one statement, then emits
    // deleted() for each; all or none of them.
    void slotVehicleDeleted(int vehicleId);
};
