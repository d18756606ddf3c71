#pragma once

#include "database/processwide.h"
#include "database/tableserviceitembase.h"

class CTableServiceItem : public CTableServiceItemBase, public CProcessWide<CTableServiceItem>
{
    Q_OBJECT

public:
    explicit CTableServiceItem(CDatabase *database, QObject *parent = nullptr);

public slots:
    // Removes the deleted session's items with one statement, then emits
    // deleted() for each; all or none of them.
    void slotServiceDeleted(int sessionId);
};
