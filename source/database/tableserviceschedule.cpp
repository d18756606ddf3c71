#include "database/tableserviceschedule.h"

#include "database/database.h"
#include "database/tablevehicle.h"
#include "utility/clock.h"

#include <QSqlQuery>

namespace {

// Dates are stored as "yyyy-MM-dd" text, which orders like the dates.
QString todayText()
{
    return Utility::Clock::today().toString(Qt::ISODate);
}

} // namespace

CTableServiceSchedule::CTableServiceSchedule(CDatabase *database, QObject *parent)
    : CTableServiceScheduleBase(database, QStringLiteral("service_schedule"), parent)
{
    init();
    // The list (newest id first within the vehicle), its counts and the cascade.
    createIndex({VehicleId});
    if (CTableVehicle *source = CTableVehicle::instance())
        connect(source, &CTable::deleted, this, &CTableServiceSchedule::slotVehicleDeleted);
}

void CTableServiceSchedule::slotVehicleDeleted(int vehicleId)
{
    removeAll(VehicleId, vehicleId);
}

QString CTableServiceSchedule::reachedCondition(int typeColumn, int dateColumn, int odometerColumn,
                                                const QString &odometer, int odometerValue,
                                                QVariantList &bindings) const
{
    bindings.append(todayText());
    if (odometer == QLatin1String("?"))
        bindings.append(odometerValue);
    const QString type = column(typeColumn);
    const QString date = column(dateColumn);
    const QString reading = column(odometerColumn);
    return QStringLiteral("(((%1 & 1) AND %2 <> '' AND %2 <= ?) OR ((%1 & 2) AND %3 >= 0 AND %3 <= %4))")
        .arg(type, date, reading, odometer);
}

QString CTableServiceSchedule::overdueCondition(const QString &odometer, int odometerValue,
                                                QVariantList &bindings) const
{
    return reachedCondition(DueType, DueDate, DueOdometer, odometer, odometerValue, bindings);
}

QString CTableServiceSchedule::remindedCondition(const QString &odometer, int odometerValue,
                                                 QVariantList &bindings) const
{
    return reachedCondition(ReminderType, ReminderDate, ReminderOdometer, odometer, odometerValue, bindings);
}

int CTableServiceSchedule::countActive(int vehicleId, const QString &condition, const QVariantList &bindings)
{
    const QString where = QStringLiteral("%1=? AND %2=1 AND ").arg(column(VehicleId), column(Status)) + condition;
    return count(where, QVariantList{vehicleId} + bindings);
}

int CTableServiceSchedule::countSchedules(int vehicleId, bool activeOnly)
{
    QString where = QStringLiteral("%1=?").arg(column(VehicleId));
    if (activeOnly)
        where += QStringLiteral(" AND %1=1").arg(column(Status));
    return count(where, {vehicleId});
}

int CTableServiceSchedule::countInactive(int vehicleId)
{
    return count(QStringLiteral("%1=? AND %2=0").arg(column(VehicleId), column(Status)), {vehicleId});
}

int CTableServiceSchedule::countReminded(int vehicleId, int odometer)
{
    QVariantList bindings;
    const QString reminded = remindedCondition(QStringLiteral("?"), odometer, bindings);
    return countActive(vehicleId, reminded, bindings);
}

int CTableServiceSchedule::countOverdue(int vehicleId, int odometer)
{
    QVariantList bindings;
    const QString overdue = overdueCondition(QStringLiteral("?"), odometer, bindings);
    return countActive(vehicleId, overdue, bindings);
}

int CTableServiceSchedule::countUpcoming(int vehicleId, int odometer)
{
    QVariantList bindings;
    const QString reminded = remindedCondition(QStringLiteral("?"), odometer, bindings);
    const QString overdue = overdueCondition(QStringLiteral("?"), odometer, bindings);
    return countActive(vehicleId, reminded + QStringLiteral(" AND NOT ") + overdue, bindings);
}

QHash<int, ScheduleCounts> CTableServiceSchedule::countsByVehicle()
{
    QHash<int, ScheduleCounts> counts;
    CTableVehicle *vehicles = CTableVehicle::instance();
    if (!m_database || !vehicles)
        return counts;
    const QString odometer = vehicles->column(CTableVehicle::OdometerValue);
    QVariantList bindings;
    const QString overdue = overdueCondition(odometer, 0, bindings);
    const QString reminded = remindedCondition(odometer, 0, bindings);
    const QString sql = QStringLiteral("SELECT vehicle, SUM(overdue), SUM(reminded AND NOT overdue) FROM"
                                       " (SELECT %1 AS vehicle, %2 AS overdue, %3 AS reminded"
                                       " FROM %4 JOIN %5 ON %6 = %1 WHERE %7=1) GROUP BY vehicle")
                            .arg(column(VehicleId), overdue, reminded, m_name, vehicles->tableName(),
                                 vehicles->column(CTableVehicle::Id), column(Status));
    QSqlQuery query;
    if (!m_database->exec(query, sql, bindings))
        return counts;
    while (query.next()) {
        ScheduleCounts vehicleCounts;
        vehicleCounts.overdue = query.value(1).toInt();
        vehicleCounts.upcoming = query.value(2).toInt();
        if (vehicleCounts.overdue > 0 || vehicleCounts.upcoming > 0)
            counts.insert(query.value(0).toInt(), vehicleCounts);
    }
    return counts;
}

QList<int> CTableServiceSchedule::remindedIds()
{
    QList<int> result;
    CTableVehicle *vehicles = CTableVehicle::instance();
    if (!vehicles)
        return result;
    const QString odometer = vehicles->column(CTableVehicle::OdometerValue);
    QVariantList bindings;
    const QString overdue = overdueCondition(odometer, 0, bindings);
    const QString reminded = remindedCondition(odometer, 0, bindings);
    const QString sql = QStringLiteral("SELECT %1 FROM %2 JOIN %3 ON %4 = %5 WHERE %6=1 AND (%7 OR %8)"
                                       " ORDER BY %9, %10, %5, %11, %1")
                            .arg(column(Id), m_name, vehicles->tableName(), vehicles->column(CTableVehicle::Id),
                                 column(VehicleId), column(Status), overdue, reminded,
                                 vehicles->column(CTableVehicle::Favorite))
                            .arg(vehicles->column(CTableVehicle::Order), column(DueDate));
    selectIds(sql, bindings, result);
    return result;
}
