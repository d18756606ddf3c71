#include "database/recordquery.h"

#include "database/database.h"
#include "database/table.h"

#include <QSqlError>
#include <QStringList>

namespace RecordQuery {

namespace {

// The sort keys of rowsWhere(), the id last, in the direction of the last key.
QList<SortKey> keysOf(const QList<SortKey> &order)
{
    QList<SortKey> keys = order;
    keys.append({0, !order.isEmpty() ? order.last().order : Qt::AscendingOrder});
    return keys;
}

} // namespace

QSqlQuery rowsWhere(CTable *table, int column, const QVariant &value, const QList<SortKey> &order)
{
    if (!table || !table->database() || !table->database()->isOpen())
        return QSqlQuery();
    QStringList keys;
    for (const SortKey &key : keysOf(order))
        keys << table->column(key.column) + (key.order == Qt::DescendingOrder ? QLatin1String(" DESC")
                                                                              : QLatin1String(" ASC"));

    QSqlQuery query(table->database()->database());
    query.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2=? ORDER BY %3")
                      .arg(table->tableName(), table->column(column), keys.join(QLatin1String(", "))));
    query.addBindValue(value);
    if (!query.exec())
        qWarning("%s not listed: %s", qPrintable(table->tableName()), qPrintable(query.lastError().text()));
    return query;
}

int rowOf(CTable *table, int column, const QVariant &value, const QList<SortKey> &order, int id)
{
    if (!table || !table->database() || !table->database()->isOpen())
        return -2;
    // The rows listed before the record: those whose keys come first in the
    // list's order. Keys in one direction compare as one row value, which
    // the list's index answers by a range; mixed directions spell it out.
    const QList<SortKey> keys = keysOf(order);
    QStringList ours;
    QStringList theirs;
    bool oneDirection = true;
    for (const SortKey &key : keys) {
        ours << QStringLiteral("o.") + table->column(key.column);
        theirs << QStringLiteral("r.") + table->column(key.column);
        oneDirection = oneDirection && key.order == keys.first().order;
    }
    const auto before = [](const SortKey &key) {
        return key.order == Qt::DescendingOrder ? QLatin1String(" > ") : QLatin1String(" < ");
    };
    QString comesFirst;
    if (oneDirection) {
        comesFirst = QStringLiteral("(%1)%2(%3)").arg(ours.join(QLatin1String(", ")), before(keys.first()),
                                                      theirs.join(QLatin1String(", ")));
    } else {
        QStringList alternatives;
        for (int i = 0; i < keys.size(); ++i) {
            QStringList terms;
            for (int j = 0; j < i; ++j)
                terms << ours.at(j) + QLatin1String(" = ") + theirs.at(j);
            terms << ours.at(i) + before(keys.at(i)) + theirs.at(i);
            alternatives << QLatin1Char('(') + terms.join(QLatin1String(" AND ")) + QLatin1Char(')');
        }
        comesFirst = alternatives.join(QLatin1String(" OR "));
    }
    const QString name = table->tableName();
    const QString where = table->column(column);
    QSqlQuery query;
    if (!table->database()->exec(query,
                                 QStringLiteral("SELECT (SELECT COUNT(*) FROM %1 AS o WHERE o.%2 = r.%2 AND (%3)) "
                                                "FROM %1 AS r WHERE r.%4 = ? AND r.%2 = ?")
                                     .arg(name, where, comesFirst, table->column(0)),
                                 {id, value}))
        return -2;
    return query.next() ? query.value(0).toInt() : -1;
}

} // namespace RecordQuery
