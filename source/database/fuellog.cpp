#include "database/fuellog.h"

#include "currency/currency.h"
#include "database/database.h"
#include "database/odometerlog.h"
#include "database/recordsave.h"
#include "database/tablefuellog.h"
#include "database/tableodometerlog.h"
#include "database/totals.h"
#include "database/vehicle.h"
#include "modules/options/units.h"
#include "modules/vehicle/fuellog/fuelefficiency.h"
#include "utility/utility.h"

#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>

#include <limits>

namespace {

// Shortest text that reads back as the value.
QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

CFuelLog::CFuelLog(int id)
{
    load(id);
}

QList<CFuelLog> CFuelLog::listForVehicle(int vehicleId)
{
    QList<CFuelLog> entries;
    CTableFuelLog *table = CTableFuelLog::instance();
    if (!table || !table->database())
        return entries;
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2=?")
                            .arg(table->tableName(), table->column(CTableFuelLog::VehicleId));
    QSqlQuery query;
    if (!table->database()->exec(query, sql, {vehicleId}))
        return entries;
    while (query.next()) {
        CFuelLog entry;
        entry.load(query.record());
        entries.append(entry);
    }
    return entries;
}

CFuelLog CFuelLog::previousEntry(const CFuelLog &entry, int vehicleId, int fuelType)
{
    CFuelLog previous;
    CTableFuelLog *table = CTableFuelLog::instance();
    if (!table)
        return previous;
    const QString vehicleColumn = table->column(CTableFuelLog::VehicleId);
    const QString fuelColumn = table->column(CTableFuelLog::FuelType);
    const QString odometerColumn = table->column(CTableFuelLog::Odometer);
    // Ties on the odometer go to the entry written last.
    const QString order = QStringLiteral(" ORDER BY %1 DESC, %2 DESC LIMIT 0,1")
                              .arg(odometerColumn, table->column(CTableFuelLog::Id));
    int id = 0;
    if (entry.id() == 0) {
        id = table->findId(QStringLiteral(" (%1 = ?) AND (%2 = ?)").arg(vehicleColumn, fuelColumn) + order,
                           {vehicleId, fuelType});
    } else {
        id = table->findId(QStringLiteral(" (%1 = ?) AND (%2 = ?) AND (%3 < ?)")
                                   .arg(vehicleColumn, fuelColumn, odometerColumn)
                               + order,
                           {entry.vehicleId(), fuelType, entry.odometer()});
    }
    if (id != 0)
        previous.load(id);
    return previous;
}

QString CFuelLog::fuelName(const CVehicle &vehicle, int fuelType)
{
    return fuelType == 1 ? vehicle.fuelNameFirst() : vehicle.fuelNameSecond();
}

FuelLogSummary CFuelLog::summarize(const QList<CFuelLog> &entries, int fuelType, int vehicleId)
{
    FuelLogSummary summary;
    qint64 distance = 0;
    qint64 quantityCents = 0;
    qint64 totalCents = 0;
    for (const CFuelLog &entry : entries) {
        if ((vehicleId != 0 && entry.vehicleId() != vehicleId) || entry.fuelType() != fuelType)
            continue;
        ++summary.count;
        distance += entry.distance();
        quantityCents += qRound64(entry.quantity() * 100);
        totalCents += qRound64(entry.totalCost() * 100);
    }
    summary.distance = int(qMin<qint64>(distance, std::numeric_limits<int>::max()));
    // Sums of two-decimal values in whole cents, without binary fraction noise.
    summary.quantity = quantityCents / 100.0;
    summary.totalCost = totalCents / 100.0;
    describe(summary, CVehicle(vehicleId), fuelType);
    return summary;
}

QList<FuelLogSummary> CFuelLog::summarizeVehicle(const CVehicle &vehicle, const QDate &start, const QDate &end)
{
    QList<FuelLogSummary> summaries = {FuelLogSummary(), FuelLogSummary()};
    CTableFuelLog *table = CTableFuelLog::instance();
    if (table) {
        const QString fuelType = table->column(CTableFuelLog::FuelType);
        QString where = QStringLiteral("%1=? AND %2 IN (1, 2)").arg(table->column(CTableFuelLog::VehicleId), fuelType);
        QVariantList bindings{vehicle.id()};
        if (start.isValid() && end.isValid()) {
            where += QStringLiteral(" AND %1>=? AND %1<=?").arg(table->column(CTableFuelLog::Date));
            bindings << start.toString(QStringLiteral("yyyy-MM-dd")) << end.toString(QStringLiteral("yyyy-MM-dd"));
        }
        const QList<QVariantList> rows = Totals::select(
            table,
            {fuelType, Totals::count(), Totals::sum(table->column(CTableFuelLog::Distance)),
             Totals::centsSum(table->column(CTableFuelLog::Quantity)),
             Totals::centsSum(table->column(CTableFuelLog::TotalCost))},
            where, bindings, fuelType);
        for (const QVariantList &row : rows) {
            FuelLogSummary &summary = summaries[row.at(0).toInt() - 1];
            summary.count = row.at(1).toInt();
            summary.distance = int(qBound<double>(0, row.at(2).toDouble(), std::numeric_limits<int>::max()));
            summary.quantity = Totals::fromCents(row.at(3));
            summary.totalCost = Totals::fromCents(row.at(4));
        }
    }
    describe(summaries[0], vehicle, 1);
    describe(summaries[1], vehicle, 2);
    return summaries;
}

void CFuelLog::describe(FuelLogSummary &summary, const CVehicle &vehicle, int fuelType)
{
    const CFuelEfficiency efficiency = vehicle.fuelEfficiencyFor(summary.distance, summary.quantity);
    summary.efficiency = efficiency.efficiencyValue();
    // A fuel without a measurable fill has no efficiency to show.
    const QString efficiencyText = efficiency.textFor(summary.efficiency);
    summary.titleText = fuelName(vehicle, fuelType);
    if (!efficiencyText.isEmpty())
        summary.titleText += QStringLiteral(": ") + efficiencyText;

    if (summary.count == 0) {
        summary.summaryText = tr("None entries");
        return;
    }
    const QString separator = QStringLiteral(" | ");
    const QString countText = summary.count == 1 ? tr("1 entry")
                                                 : QStringLiteral("%1 %2").arg(summary.count).arg(tr("entries"));
    summary.summaryText = countText + separator
                          + tr("Distance: %1 %2").arg(summary.distance).arg(vehicle.odometerUnitText()) + separator
                          + tr("Quantity: %1 %2").arg(shortest(summary.quantity), volumeUnitNameFor(summary.quantity)) + separator
                          + tr("Total Cost: %1").arg(currency()->format(summary.totalCost));
}

QString CFuelLog::readingDescription(const CVehicle &vehicle) const
{
    return fuelName(vehicle, fuelType()) + QStringLiteral(": ") + Utility::numberToString(quantity(), 2)
           + QStringLiteral(" ") + volumeUnitNameFor(quantity()).toLower() + QStringLiteral(" | ")
           + currency()->format(totalCost());
}

int CFuelLog::saveWithReading(const CVehicle &vehicle, QString *errorText)
{
    CFuelLog entry(*this);
    entry.setVehicleId(vehicle.id());
    entry.setEfficiency(vehicle.fuelEfficiencyFor(entry.distance(), entry.quantity()).efficiencyValue());
    const ParentReading reading{COdometerLog::FuelParent, vehicle.id(), entry.date(), entry.odometer(),
                                entry.readingDescription(vehicle)};
    const int id = RecordSave::save(entry, reading, errorText);
    if (id != 0)
        *this = entry;
    return id;
}
