#pragma once

#include "database/processwide.h"
#include "database/tablenotebase.h"

class CTableNote : public CTableNoteBase, public CProcessWide<CTableNote>
{
    Q_OBJECT

public:
    explicit CTableNote(CDatabase *database, QObject *parent = nullptr);

public slots:
    // Removes the deleted vehicle's rows one at a time, each emitting
    // deleted(); all or none of them, and never past a removal that fails.
    void slotVehicleDeleted(int vehicleId);
};
