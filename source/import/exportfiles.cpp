#include "import/exportfiles.h"

#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableodometerlog.h"
#include "database/tableserviceitem.h"
#include "database/tableserviceschedule.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/tablevehicletype.h"

namespace ExportFiles {

QVector<TableFile> tables()
{
    return {{QStringLiteral("vehicles.csv"), CTableVehicle::instance()},
            {QStringLiteral("vehicle_types.csv"), CTableVehicleType::instance()},
            {QStringLiteral("odometer.csv"), CTableOdometerLog::instance()},
            {QStringLiteral("fuel.csv"), CTableFuelLog::instance()},
            {QStringLiteral("service_sessions.csv"), CTableSession::instance()},
            {QStringLiteral("service_items.csv"), CTableServiceItem::instance()},
            {QStringLiteral("service_schedules.csv"), CTableServiceSchedule::instance()},
            {QStringLiteral("notes.csv"), CTableNote::instance()},
            {QStringLiteral("expenses.csv"), CTableExpense::instance()}};
}

QStringList columnNames(const CTable *table)
{
    QStringList names;
    const QString prefix = table->tableName() + QLatin1Char('_');
    for (const QString &column : table->columns())
        names.append(column.startsWith(prefix) ? column.mid(prefix.size()) : column);
    return names;
}

namespace {

QString quoted(const QString &field)
{
    const bool quote = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
                       || field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'))
                       || (!field.isEmpty() && (field.at(0).isSpace() || field.at(field.size() - 1).isSpace()));
    if (!quote)
        return field;
    QString text = field;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void appendLine(QString &text, const QStringList &fields)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        text += quoted(fields.at(i));
    }
    text += QLatin1String("\r\n");
}

} // namespace

QByteArray csv(const QStringList &header, const QVector<QStringList> &rows)
{
    QString text;
    appendLine(text, header);
    for (const QStringList &row : rows)
        appendLine(text, row);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace ExportFiles
