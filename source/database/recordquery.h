#pragma once

#include <QList>
#include <QSqlQuery>
#include <QVariant>

class CTable;

// The query behind a record list: the rows of one table whose column holds
// a value (a vehicle's records, say), in a given order.
namespace RecordQuery {

struct SortKey
{
    int column = 0;
    Qt::SortOrder order = Qt::AscendingOrder;
};

// Runs "every row of `table` whose `column` equals `value`", sorted by the
// keys and then by id in the last key's direction, so equal keys keep one
// order. The value is bound. The query is scrollable, for a query model; it
// is inactive when the table is missing or the statement failed.
QSqlQuery rowsWhere(CTable *table, int column, const QVariant &value, const QList<SortKey> &order);

// The row at which rowsWhere() lists record `id`, counted from 0 with one
// indexed query instead of reading the rows before it; -1 when the record is
// not among those rows, -2 when the query failed.
int rowOf(CTable *table, int column, const QVariant &value, const QList<SortKey> &order, int id);

} // namespace RecordQuery
