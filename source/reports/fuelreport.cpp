#include "reports/fuelreport.h"

#include "database/database.h"
#include "database/tablefuellog.h"
#include "database/vehicle.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>

namespace {

const QString DayFormat = QStringLiteral("yyyy-MM-dd");

// The entries a query on the fuel table selects ("SELECT * ..."), in its
// order; empty when it fails.
QList<CFuelLog> readEntries(CTableFuelLog *table, const QString &where, const QVariantList &bindings)
{
    QList<CFuelLog> entries;
    if (!table || !table->database())
        return entries;
    QSqlQuery query;
    if (!table->database()->exec(query, QStringLiteral("SELECT * FROM %1 WHERE ").arg(table->tableName()) + where,
                                 bindings))
        return entries;
    while (query.next()) {
        CFuelLog entry;
        entry.load(query.record());
        entries.append(entry);
    }
    return entries;
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
    m_vehicleId = vehicle.id();
    m_entries.clear();
    m_periodEntries.clear();
    CTableFuelLog *table = CTableFuelLog::instance();
    if (!table)
        return;
    const QString date = table->column(CTableFuelLog::Date);
    const QString vehicleColumn = table->column(CTableFuelLog::VehicleId);
    const QString fuelColumn = table->column(CTableFuelLog::FuelType);
    const QString odometer = table->column(CTableFuelLog::Odometer);
    const QString startDay = start.toString(DayFormat);
    const QString endDay = end.toString(DayFormat);

    m_periodEntries = readEntries(table,
                                  QStringLiteral("%1 = ? AND %2 >= ? AND %2 <= ? ORDER BY %3")
                                      .arg(vehicleColumn, date, odometer),
                                  {m_vehicleId, startDay, endDay});
    m_periodCount = m_periodEntries.size();
    m_entries = m_periodEntries;

    QList<int> fuels;
    if (vehicle.fuelSystemType() == 1 || vehicle.fuelSystemType() == 2)
        fuels << 1;
    if (vehicle.fuelSystemType() == 2)
        fuels << 2;
    const QString neighbour = QStringLiteral("%1 = ? AND %2 = ? AND %3 %4 ? ORDER BY %5 %6 LIMIT 1");
    for (int fuel : qAsConst(fuels)) {
        m_entries += readEntries(table,
                                 neighbour.arg(vehicleColumn, fuelColumn, date, QStringLiteral(">"), odometer,
                                               QStringLiteral("ASC")),
                                 {m_vehicleId, fuel, endDay});
    }
    for (int fuel : qAsConst(fuels)) {
        const QList<CFuelLog> before = readEntries(table,
                                                   neighbour.arg(vehicleColumn, fuelColumn, date, QStringLiteral("<"),
                                                                 odometer, QStringLiteral("DESC")),
                                                   {m_vehicleId, fuel, startDay});
        if (!before.isEmpty())
            m_entries.prepend(before.first());
    }
}

FuelLogSummary CFuelReport::summary(int fuelType) const
{
    return CFuelLog::summarize(m_periodEntries, fuelType, m_vehicleId);
}

double CFuelReport::dateKey(const QDate &date)
{
    return double(date.startOfDay().toSecsSinceEpoch());
}

CFuelReport::Range CFuelReport::dateRange(const QDate &start, const QDate &end)
{
    return {dateKey(start), dateKey(start.addDays(start.daysTo(end) + 3))};
}

CFuelReport::Range CFuelReport::odometerRange(const QList<CFuelLog> &entries, const Range &dates)
{
    bool any = false;
    double lowest = 0.0;
    double highest = 0.0;
    for (const CFuelLog &entry : entries) {
        if (!entry.date().isValid())
            continue;
        const double key = dateKey(entry.date());
        if (key < dates.lower || key > dates.upper)
            continue;
        const double value = entry.odometer();
        lowest = any ? qMin(lowest, value) : value;
        highest = any ? qMax(highest, value) : value;
        any = true;
    }
    const Range range = padded(any, lowest, highest);
    return {std::trunc(range.lower), std::trunc(range.upper)};
}

CFuelReport::Range CFuelReport::efficiencyRange(const QList<CFuelLog> &entries, bool dualFuel)
{
    bool any = false;
    double lowest = 0.0;
    double highest = 0.0;
    for (const CFuelLog &entry : entries) {
        if (!entry.date().isValid() || (entry.fuelType() != 1 && !(dualFuel && entry.fuelType() == 2)))
            continue;
        const double value = entry.efficiency();
        lowest = any ? qMin(lowest, value) : value;
        highest = any ? qMax(highest, value) : value;
        any = true;
    }
    return padded(any, lowest, highest);
}
