#include "reports/fuelreport.h"

#include "database/database.h"
#include "database/tablefuellog.h"

#include <QSqlQuery>

#include <cmath>

namespace {

const QString DayFormat = QStringLiteral("yyyy-MM-dd");

// Appends the points a query on the fuel table selects, in its order.
void readPoints(CTableFuelLog *table, const QString &where, const QVariantList &bindings,
                QVector<CFuelReport::Point> &points)
{
    const QString sql = QStringLiteral("SELECT %1, %2, %3, %4 FROM %5 WHERE ")
                            .arg(table->column(CTableFuelLog::Date), table->column(CTableFuelLog::FuelType),
                                 table->column(CTableFuelLog::Odometer), table->column(CTableFuelLog::Efficiency),
                                 table->tableName())
                        + where;
    QSqlQuery query;
    if (!table->database() || !table->database()->exec(query, sql, bindings))
        return;
    while (query.next()) {
        points.append({QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toInt(),
                       query.value(2).toInt(), query.value(3).toDouble()});
    }
}

// Lowest to highest (one unit wide for a single value) with a twentieth of
// the spread added on both sides, so that no line runs along the frame.
CFuelReport::Range padded(bool any, double lowest, double highest)
{
    if (!any)
        return {0.0, 1.0};
    if (lowest >= highest)
        highest = lowest + 1.0;
    const double pad = (highest - lowest) / 20.0;
    return {lowest - pad, highest + pad};
}

} // namespace

void CFuelReport::load(const CVehicle &vehicle, const QDate &start, const QDate &end)
{
    m_vehicle = vehicle;
    m_points.clear();
    m_periodCount = 0;
    m_summaries = CFuelLog::summarizeVehicle(vehicle, start, end);
    CTableFuelLog *table = CTableFuelLog::instance();
    if (!table)
        return;
    const QString date = table->column(CTableFuelLog::Date);
    const QString vehicleColumn = table->column(CTableFuelLog::VehicleId);
    const QString fuelColumn = table->column(CTableFuelLog::FuelType);
    const QString odometer = table->column(CTableFuelLog::Odometer);
    const QString startDay = start.toString(DayFormat);
    const QString endDay = end.toString(DayFormat);

    readPoints(table, QStringLiteral("%1 = ? AND %2 >= ? AND %2 <= ? ORDER BY %3").arg(vehicleColumn, date, odometer),
               {vehicle.id(), startDay, endDay}, m_points);
    m_periodCount = m_points.size();

    QList<int> fuels;
    if (vehicle.fuelSystemType() == 1 || vehicle.fuelSystemType() == 2)
        fuels << 1;
    if (vehicle.fuelSystemType() == 2)
        fuels << 2;
    const QString neighbour = QStringLiteral("%1 = ? AND %2 = ? AND %3 %4 ? ORDER BY %5 %6 LIMIT 1");
    for (int fuel : qAsConst(fuels)) {
        readPoints(table,
                   neighbour.arg(vehicleColumn, fuelColumn, date, QStringLiteral(">"), odometer, QStringLiteral("ASC")),
                   {vehicle.id(), fuel, endDay}, m_points);
    }
    for (int fuel : qAsConst(fuels)) {
        QVector<Point> before;
        readPoints(table,
                   neighbour.arg(vehicleColumn, fuelColumn, date, QStringLiteral("<"), odometer, QStringLiteral("DESC")),
                   {vehicle.id(), fuel, startDay}, before);
        if (!before.isEmpty())
            m_points.prepend(before.first());
    }
}

FuelLogSummary CFuelReport::summary(int fuelType) const
{
    FuelLogSummary summary = m_summaries.value(fuelType - 1);
    CFuelLog::describe(summary, m_vehicle, fuelType);
    return summary;
}

double CFuelReport::dateKey(const QDate &date)
{
    // 2440588 is the Julian day of 1970-01-01.
    return double((date.toJulianDay() - 2440588) * 86400);
}

CFuelReport::Range CFuelReport::dateRange(const QDate &start, const QDate &end)
{
    return {dateKey(start), dateKey(start.addDays(start.daysTo(end) + 3))};
}

CFuelReport::Range CFuelReport::odometerRange(const QVector<Point> &points, const Range &dates)
{
    bool any = false;
    double lowest = 0.0;
    double highest = 0.0;
    for (const Point &point : points) {
        if (!point.date.isValid())
            continue;
        const double key = dateKey(point.date);
        if (key < dates.lower || key > dates.upper)
            continue;
        lowest = any ? qMin<double>(lowest, point.odometer) : point.odometer;
        highest = any ? qMax<double>(highest, point.odometer) : point.odometer;
        any = true;
    }
    const Range range = padded(any, lowest, highest);
    return {std::trunc(range.lower), std::trunc(range.upper)};
}

CFuelReport::Range CFuelReport::efficiencyRange(const QVector<Point> &points, bool dualFuel)
{
    bool any = false;
    double lowest = 0.0;
    double highest = 0.0;
    for (const Point &point : points) {
        if (!point.date.isValid() || (point.fuelType != 1 && !(dualFuel && point.fuelType == 2)))
            continue;
        lowest = any ? qMin(lowest, point.efficiency) : point.efficiency;
        highest = any ? qMax(highest, point.efficiency) : point.efficiency;
        any = true;
    }
    return padded(any, lowest, highest);
}
