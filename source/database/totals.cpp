#include "database/totals.h"

#include "database/database.h"
#include "database/table.h"

#include <QSqlQuery>

namespace Totals {

QString count()
{
    return QStringLiteral("COUNT(*)");
}

QString sum(const QString &column)
{
    return QStringLiteral("TOTAL(%1)").arg(column);
}

QString centsSum(const QString &column)
{
    return QStringLiteral("TOTAL(ROUND(CAST(%1 AS REAL) * 100))").arg(column);
}

double fromCents(const QVariant &cents)
{
    return cents.toDouble() / 100.0;
}

QList<QVariantList> select(CTable *table, const QStringList &expressions, const QString &where,
                           const QVariantList &bindings, const QString &groupBy, bool *ok)
{
    QList<QVariantList> rows;
    if (ok)
        *ok = false;
    if (!table || !table->database() || expressions.isEmpty())
        return rows;
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(expressions.join(QStringLiteral(", ")), table->tableName());
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!groupBy.isEmpty())
        sql += QStringLiteral(" GROUP BY ") + groupBy;
    QSqlQuery query;
    if (!table->database()->exec(query, sql, bindings))
        return rows;
    while (query.next()) {
        QVariantList row;
        row.reserve(expressions.size());
        for (int i = 0; i < expressions.size(); ++i)
            row.append(query.value(i));
        rows.append(row);
    }
    if (ok)
        *ok = true;
    return rows;
}

} // namespace Totals
