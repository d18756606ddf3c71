#include "reports/vehicleexpensecalculator.h"

#include "currency/currency.h"
#include "database/odometerlog.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablesession.h"
#include "database/totals.h"
#include "modules/options/units.h"
#include "utility/utility.h"

#include <QLocale>

namespace {

const QString DayFormat = QStringLiteral("yyyy-MM-dd");

// Floor division, so that a day before the start falls before bucket 0.
qint64 weeksFrom(qint64 days)
{
    return days >= 0 ? days / 7 : -((-days + 6) / 7);
}

QString money(double value)
{
    return currency()->format(value);
}

} // namespace

CVehicleExpenseCalculator::CVehicleExpenseCalculator(QObject *parent) : QObject(parent) {}

void CVehicleExpenseCalculator::setVehicle(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    calculate();
}

void CVehicleExpenseCalculator::setPeriod(const QDate &start, const QDate &end)
{
    m_start = start;
    m_end = end;
    calculate();
}

void CVehicleExpenseCalculator::setReport(const CVehicle &vehicle, const QDate &start, const QDate &end)
{
    m_vehicle = vehicle;
    m_start = start;
    m_end = end;
    calculate();
}

int CVehicleExpenseCalculator::groupingFor(qint64 days)
{
    const qint64 n = days / 29;
    if (n <= 1)
        return Day;
    if (n <= 3)
        return Week;
    if (n <= 18)
        return Month;
    return Year;
}

int CVehicleExpenseCalculator::bucketCount(int grouping, const QDate &start, const QDate &end)
{
    if (!start.isValid() || !end.isValid() || end < start)
        return 0;
    switch (grouping) {
    case Year:
        return end.year() - start.year() + 1;
    case Month:
        return (end.year() - start.year()) * 12 - start.month() + end.month() + 1;
    case Week:
        return int(start.daysTo(end) / 7 + 1);
    default:
        return int(start.daysTo(end) + 1);
    }
}

qint64 CVehicleExpenseCalculator::bucketIndex(int grouping, const QDate &start, const QDate &date)
{
    switch (grouping) {
    case Year:
        return date.year() - start.year();
    case Month:
        return qint64(date.year() - start.year()) * 12 - start.month() + date.month();
    case Week:
        return weeksFrom(start.daysTo(date));
    default:
        return start.daysTo(date);
    }
}

bool CVehicleExpenseCalculator::calculate()
{
    if (m_end.isNull() || m_start.isNull() || m_vehicle.id() == 0)
        return false;

    m_grouping = groupingFor(m_start.daysTo(m_end));
    m_count = bucketCount(m_grouping, m_start, m_end);
    makeLabels();

    m_fuelCosts.fill(0.0, m_count);
    m_serviceCosts.fill(0.0, m_count);
    m_otherCosts.fill(0.0, m_count);
    const QVector<Source> costSources = sources();
    if (m_count > 0) {
        addCosts(costSources.at(0), m_fuelCosts);
        addCosts(costSources.at(1), m_serviceCosts);
        addCosts(costSources.at(2), m_otherCosts);
    }

    m_totalCosts.clear();
    m_totalCosts.reserve(m_count);
    m_maxTotal = 0.0;
    m_grandTotal = 0.0;
    m_fuelSum = 0.0;
    m_serviceSum = 0.0;
    m_otherSum = 0.0;
    for (int i = 0; i < m_count; ++i) {
        const double total = m_serviceCosts.at(i) + m_fuelCosts.at(i) + m_otherCosts.at(i);
        m_maxTotal = qMax(m_maxTotal, total);
        m_grandTotal += total;
        m_totalCosts.append(total);
        m_fuelSum += m_fuelCosts.at(i);
        m_serviceSum += m_serviceCosts.at(i);
        m_otherSum += m_otherCosts.at(i);
    }

    m_distance = 0;
    if (m_count > 0) {
        const qint64 distance = qint64(COdometerLog::estimatedOdometer(m_end, m_vehicle.id()))
                                - COdometerLog::estimatedOdometer(m_start, m_vehicle.id());
        m_distance = qMax<qint64>(distance, 0);
    }
    m_ownershipCost = 0.0;
    for (const Source &source : costSources)
        m_ownershipCost += lifetimeCost(source);

    emit updated();
    return true;
}

void CVehicleExpenseCalculator::makeLabels()
{
    m_tickPositions.clear();
    m_tickLabels.clear();
    m_periodNames.clear();
    m_tickPositions.reserve(m_count);
    m_tickLabels.reserve(m_count);
    m_periodNames.reserve(m_count);
    const QLocale locale;
    const QString dateFormat = m_grouping == Day ? Utility::dateFormat() : QString();
    for (int i = 0; i < m_count; ++i) {
        m_tickPositions.append(i + 1);
        switch (m_grouping) {
        case Month: {
            const QDate b = m_start.addMonths(i);
            const QString pattern = QStringLiteral("%1 %2.");
            m_tickLabels.append(pattern.arg(locale.monthName(b.month(), QLocale::ShortFormat)).arg(b.year()));
            m_periodNames.append(pattern.arg(locale.monthName(b.month(), QLocale::LongFormat)).arg(b.year()));
            break;
        }
        case Day: {
            const QDate b = m_start.addDays(i);
            m_tickLabels.append(QString::number(b.day()));
            m_periodNames.append(b.toString(dateFormat));
            break;
        }
        case Week: {
            const QDate b = m_start.addDays(7 * i);
            const QDate last = b.addDays(6);
            m_tickLabels.append(QStringLiteral("%1 week").arg(b.weekNumber()));
            m_periodNames.append(QStringLiteral("%1 %2 - %3 %4 | %5 week")
                                     .arg(b.day())
                                     .arg(locale.monthName(b.month(), QLocale::ShortFormat))
                                     .arg(last.day())
                                     .arg(locale.monthName(last.month(), QLocale::ShortFormat))
                                     .arg(b.weekNumber()));
            break;
        }
        default: {
            const QString year = QString::number(m_start.addYears(i).year());
            m_tickLabels.append(year);
            m_periodNames.append(year);
            break;
        }
        }
    }
}

QVector<CVehicleExpenseCalculator::Source> CVehicleExpenseCalculator::sources()
{
    return {{CTableFuelLog::instance(), CTableFuelLog::TotalCost},
            {CTableSession::instance(), CTableSession::TotalCost},
            {CTableExpense::instance(), CTableExpense::Amount}};
}

QString CVehicleExpenseCalculator::bucketExpression(const QString &dateColumn, QVariantList &bindings) const
{
    // Years and months are read straight from the stored "yyyy-MM-dd" text;
    // a text that is no date gives an index outside the period, or none.
    switch (m_grouping) {
    case Year:
        bindings << m_start.year();
        return QStringLiteral("CAST(substr(%1, 1, 4) AS INTEGER) - ?").arg(dateColumn);
    case Month:
        bindings << m_start.year() << m_start.month();
        return QStringLiteral("(CAST(substr(%1, 1, 4) AS INTEGER) - ?) * 12 + CAST(substr(%1, 6, 2) AS INTEGER) - ?")
            .arg(dateColumn);
    case Week:
        // Whole weeks from the start, so a bucket's label covers its costs
        // whatever weekday the period starts on.
        bindings << m_start.toString(DayFormat);
        return QStringLiteral("CAST((julianday(%1) - julianday(?)) / 7 AS INTEGER)").arg(dateColumn);
    default:
        bindings << m_start.toString(DayFormat);
        return QStringLiteral("CAST(julianday(%1) - julianday(?) AS INTEGER)").arg(dateColumn);
    }
}

void CVehicleExpenseCalculator::addCosts(const Source &source, QVector<double> &costs) const
{
    if (!source.table)
        return;
    // The vehicle and date columns have the same index in the three tables.
    const QString dateColumn = source.table->column(CTableFuelLog::Date);
    QVariantList bindings;
    const QString bucket = bucketExpression(dateColumn, bindings);
    bindings << m_vehicle.id() << m_start.toString(DayFormat) << m_end.toString(DayFormat);
    const QList<QVariantList> rows = Totals::select(
        source.table, {bucket + QStringLiteral(" AS bucket"), Totals::centsSum(source.table->column(source.amountColumn))},
        QStringLiteral("%1 = ? AND %2 >= ? AND %2 <= ?").arg(source.table->column(CTableFuelLog::VehicleId), dateColumn),
        bindings, QStringLiteral("bucket"));
    for (const QVariantList &row : rows) {
        // A stored date that is no date has no bucket.
        if (row.at(0).isNull())
            continue;
        const qint64 index = row.at(0).toLongLong();
        if (index >= 0 && index < costs.size())
            costs[int(index)] += Totals::fromCents(row.at(1));
    }
}

double CVehicleExpenseCalculator::lifetimeCost(const Source &source) const
{
    if (!source.table)
        return 0.0;
    const QList<QVariantList> rows =
        Totals::select(source.table, {Totals::centsSum(source.table->column(source.amountColumn))},
                       QStringLiteral("%1 = ?").arg(source.table->column(CTableFuelLog::VehicleId)), {m_vehicle.id()});
    return rows.isEmpty() ? 0.0 : Totals::fromCents(rows.first().at(0));
}

QString CVehicleExpenseCalculator::totalText() const
{
    return tr("Total cost: %1").arg(money(m_grandTotal));
}

QString CVehicleExpenseCalculator::detailsText() const
{
    const QString separator = QStringLiteral(" | ");
    return tr("Fuel costs: %1").arg(money(m_fuelSum)) + separator + tr("Service costs: %1").arg(money(m_serviceSum))
           + separator + tr("Other costs: %1").arg(money(m_otherSum));
}

QString CVehicleExpenseCalculator::distanceCostText() const
{
    const QString amount = m_distance > 0 ? money(costPerDistance()) : QStringLiteral("\u2014");
    switch (m_vehicle.odometerType()) {
    case 1:
        return tr("Cost per km: %1").arg(amount);
    case 2:
        return tr("Cost per mile: %1").arg(amount);
    case 3:
        return tr("Cost per hour: %1").arg(amount);
    default:
        return tr("Cost per unit: %1").arg(amount);
    }
}

QString CVehicleExpenseCalculator::ownershipText() const
{
    return tr("Total cost of ownership: %1").arg(money(m_ownershipCost));
}
