#include "database/recordquery.h"

#include "database/database.h"
#include "database/table.h"

#include <QSqlError>
#include <QStringList>

namespace RecordQuery {

QSqlQuery rowsWhere(CTable *table, int column, const QVariant &value, const QList<SortKey> &order)
{
    if (!table || !table->database() || !table->database()->isOpen())
        return QSqlQuery();
    QStringList keys;
    for (const SortKey &key : order)
        keys << table->column(key.column) + (key.order == Qt::DescendingOrder ? QLatin1String(" DESC")
                                                                              : QLatin1String(" ASC"));
    const bool descending = !order.isEmpty() && order.last().order == Qt::DescendingOrder;
    keys << table->column(0) + (descending ? QLatin1String(" DESC") : QLatin1String(" ASC"));

    QSqlQuery query(table->database()->database());
    query.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2=? ORDER BY %3")
                      .arg(table->tableName(), table->column(column), keys.join(QLatin1String(", "))));
    query.addBindValue(value);
    if (!query.exec())
        qWarning("%s not listed: %s", qPrintable(table->tableName()), qPrintable(query.lastError().text()));
    return query;
}

} // namespace RecordQuery
