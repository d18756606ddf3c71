#include "database/tableserviceitem.h"

#include "database/tablesession.h"

CTableServiceItem::CTableServiceItem(CDatabase *database, QObject *parent)
    : CTableServiceItemBase(database, QStringLiteral("service_item"), parent)
{
    init();
    // Every deleted session looks up its items; without an index deleting a
    // vehicle would scan the whole item table once per session.
    createIndex({ServiceLogId});
    if (CTableSession *source = CTableSession::instance())
        connect(source, &CTable::deleted, this, &CTableServiceItem::slotServiceDeleted);
}

void CTableServiceItem::slotServiceDeleted(int sessionId)
{
    removeAll(ServiceLogId, sessionId);
}
