#pragma once

#include "database/processwide.h"
#include "database/tableserviceitembase.h"

class CTableServiceItem : public CTableServiceItemBase, public CProcessWide<CTableServiceItem>
{
    Q_OBJECT

public:
    explicit CTableServiceItem(CDatabase *database, QObject *parent = nullptr);

public slots:
    // Removes the deleted session's items one at a time, each emitting
    // deleted(); all or none of them, and never past a removal that fails.
    void slotServiceDeleted(int sessionId);
};
