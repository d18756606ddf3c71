#include "database/serviceitem.h"

#include "database/database.h"
#include "database/tableserviceitem.h"

#include <QSqlQuery>
#include <QSqlRecord>

CServiceItem::CServiceItem(int id)
{
    load(id);
}

QList<CServiceItem> CServiceItem::listForSession(int sessionId)
{
    QList<CServiceItem> items;
    CTableServiceItem *table = CTableServiceItem::instance();
    if (!table || !table->database() || sessionId == 0)
        return items;
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2=? ORDER BY %3")
                            .arg(table->tableName(), table->column(CTableServiceItem::ServiceLogId),
                                 table->column(CTableServiceItem::Id));
    QSqlQuery query;
    if (!table->database()->exec(query, sql, {sessionId}))
        return items;
    while (query.next()) {
        CServiceItem item;
        item.load(query.record());
        items.append(item);
    }
    return items;
}
