#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class CTable;

// Summaries (page footers, report totals) are read with one aggregate
// statement over the table, grouped as the summary needs, never by loading
// the records and adding them up:
//
//     const QList<QVariantList> rows = Totals::select(
//         table, {fuelType, Totals::count(), Totals::centsSum(totalCost)},
//         QStringLiteral("%1=?").arg(vehicleColumn), {vehicleId}, fuelType);
//
// Money columns hold two-decimal texts; centsSum() adds them in whole cents,
// so a total is exact for any number of rows, and fromCents() turns it back.
namespace Totals {

// "COUNT(*)".
QString count();
// The sum of an integer column, 0 for no rows.
QString sum(const QString &column);
// The sum of a column of money texts in whole cents, 0 for no rows.
QString centsSum(const QString &column);
double fromCents(const QVariant &cents);

// "SELECT <expressions> FROM <table> [WHERE <where>] [GROUP BY <groupBy>]";
// one list of values per result row, in the order of `expressions`. `ok`
// (when given) tells a failed statement from an empty result.
QList<QVariantList> select(CTable *table, const QStringList &expressions, const QString &where = QString(),
                           const QVariantList &bindings = QVariantList(), const QString &groupBy = QString(),
                           bool *ok = nullptr);

} // namespace Totals
