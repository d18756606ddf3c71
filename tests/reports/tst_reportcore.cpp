#include "../database/testdatabase.h"
#include "reportdata.h"
#include "testsupport.h"

#include "currency/currency.h"
#include "database/settings.h"
#include "modules/options/units.h"
#include "reports/fuelreport.h"
#include "reports/reportpagination.h"
#include "reports/reportperiod.h"
#include "reports/vehicleexpensecalculator.h"
#include "utility/clock.h"

#include <QLocale>
#include <QSignalSpy>

using namespace ReportData;

#define COMPARE_RANGE(range, low, high)                                                                        \
    do {                                                                                                       \
        const CFuelReport::Range compared = (range);                                                           \
        QCOMPARE(compared.lower, double(low));                                                                 \
        QCOMPARE(compared.upper, double(high));                                                                \
    } while (false)
using Calculator = CVehicleExpenseCalculator;

Q_DECLARE_METATYPE(CReportPeriod)

namespace QTest {
template<>
char *toString(const CReportPeriod &period)
{
    return qstrdup(qPrintable(QStringLiteral("%1 .. %2").arg(period.start.toString(Qt::ISODate),
                                                             period.end.toString(Qt::ISODate))));
}
} // namespace QTest

// Report computations without widgets: the period presets, the expense
// calculator over stored costs, and the fuel report's entries and axes.
class TestReportCore : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    static CReportPeriod period(const QDate &start, const QDate &end) { return {start, end}; }

private slots:
    void initTestCase()
    {
        // Month names of the labels come from the default locale.
        QLocale::setDefault(QLocale::c());
    }

    void init()
    {
        db = new TestDatabase;
        FuelTestData::prepare();
    }

    void cleanup()
    {
        delete db;
        resetCurrency();
        Utility::Clock::reset();
    }

    void presets_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("align");
        QTest::addColumn<CReportPeriod>("expected");

        const QDate march31(2025, 3, 31);
        QTest::newRow("31 March: last month is all of February")
            << march31 << 2 << false << period({2025, 2, 1}, {2025, 2, 28});
        QTest::newRow("31 March of a leap year: February has 29 days")
            << QDate(2024, 3, 31) << 2 << false << period({2024, 2, 1}, {2024, 2, 29});
        QTest::newRow("31 March: last three months end with February")
            << march31 << 3 << false << period({2024, 12, 1}, {2025, 2, 28});
        QTest::newRow("last six months") << march31 << 4 << false << period({2024, 9, 1}, {2025, 2, 28});
        QTest::newRow("January: last twelve months are last year")
            << QDate(2025, 1, 17) << 5 << false << period({2024, 1, 1}, {2024, 12, 31});
        QTest::newRow("January: last year") << QDate(2025, 1, 17) << 7 << false << period({2024, 1, 1}, {2024, 12, 31});
        QTest::newRow("first of a month: this month is one day")
            << QDate(2025, 6, 1) << 1 << false << period({2025, 6, 1}, {2025, 6, 1});
        QTest::newRow("this year") << march31 << 6 << false << period({2025, 1, 1}, march31);
        // 1 December 2023 is a Friday, 29 February 2024 a Thursday.
        QTest::newRow("three months widened: back to Monday, forward to Sunday")
            << QDate(2024, 3, 15) << 3 << true << period({2023, 11, 27}, {2024, 3, 3});
        QTest::newRow("only three months are widened")
            << QDate(2024, 3, 15) << 4 << true << period({2023, 9, 1}, {2024, 2, 29});
    }

    void presets()
    {
        QFETCH(QDate, today);
        QFETCH(int, code);
        QFETCH(bool, align);
        QFETCH(CReportPeriod, expected);
        QCOMPARE(CReportPeriod::preset(code, today, align), expected);
    }

    void customPeriodsWidenFrom46To92Days()
    {
        // 1 January 2025 is a Wednesday.
        const QDate start(2025, 1, 1);
        const auto custom = [start](int days, bool align) {
            return CReportPeriod::custom(start, start.addDays(days), align);
        };
        QCOMPARE(custom(45, true), period(start, start.addDays(45)));
        QCOMPARE(custom(46, true), period({2024, 12, 30}, {2025, 2, 16}));
        QCOMPARE(custom(92, true).start, QDate(2024, 12, 30));
        QCOMPARE(custom(92, true).end.dayOfWeek(), 7);
        QCOMPARE(custom(93, true), period(start, start.addDays(93)));
        QCOMPARE(custom(60, false), period(start, start.addDays(60)));
        // A period already in whole weeks stays as it is.
        const CReportPeriod weeks{{2024, 12, 30}, {2025, 2, 16}};
        QCOMPARE(weeks.widenedToWeeks(), weeks);
    }

    void groupingFollowsThePeriodLength_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<int>("grouping");
        QTest::addColumn<int>("count");

        const QDate jan1(2025, 1, 1);
        QTest::newRow("57 days by day") << jan1 << QDate(2025, 2, 27) << int(Calculator::Day) << 58;
        QTest::newRow("58 days by week") << jan1 << QDate(2025, 2, 28) << int(Calculator::Week) << 9;
        QTest::newRow("115 days by week") << jan1 << jan1.addDays(115) << int(Calculator::Week) << 17;
        QTest::newRow("116 days by month") << jan1 << jan1.addDays(116) << int(Calculator::Month) << 4;
        QTest::newRow("550 days by month") << jan1 << jan1.addDays(550) << int(Calculator::Month) << 19;
        QTest::newRow("551 days by year") << jan1 << jan1.addDays(551) << int(Calculator::Year) << 2;
        QTest::newRow("over New Year by month") << QDate(2024, 11, 15) << QDate(2025, 4, 2) << int(Calculator::Month) << 6;
        QTest::newRow("one day") << jan1 << jan1 << int(Calculator::Day) << 1;
        QTest::newRow("reversed: no bucket") << jan1 << jan1.addDays(-1) << int(Calculator::Day) << 0;
        QTest::newRow("long reversed: no bucket") << jan1 << jan1.addDays(-900) << int(Calculator::Day) << 0;
    }

    void groupingFollowsThePeriodLength()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(int, grouping);
        QFETCH(int, count);
        QCOMPARE(Calculator::groupingFor(start.daysTo(end)), grouping);
        QCOMPARE(Calculator::bucketCount(grouping, start, end), count);
    }

    void costsLandInTheBucketOfTheirDate()
    {
        const CVehicle car = addVehicle(1);
        const CVehicle other = addVehicle(1);
        // 2024-11-15 .. 2025-04-02 is grouped by month: Nov, Dec, Jan, Feb, Mar, Apr.
        const QDate start(2024, 11, 15);
        const QDate end(2025, 4, 2);
        addFuel(car, start, 10.25);
        addFuel(car, {2024, 11, 30}, 0.50);
        addService(car, {2024, 12, 31}, 100.0);
        addExpense(car, {2025, 1, 1}, 0.25);
        addExpense(car, {2025, 1, 31}, 0.50);
        addExpense(car, end, 7.0);               // the end day counts
        addExpense(car, end.addDays(1), 1000.0); // the day after does not
        addFuel(car, start.addDays(-1), 1000.0); // nor the day before
        addService(other, {2025, 1, 10}, 1000.0);

        Calculator calculator;
        QSignalSpy updated(&calculator, &Calculator::updated);
        calculator.setReport(car, start, end);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(calculator.grouping(), int(Calculator::Month));
        QCOMPARE(calculator.count(), 6);
        QCOMPARE(calculator.fuelCosts(), QVector<double>({10.75, 0, 0, 0, 0, 0}));
        QCOMPARE(calculator.serviceCosts(), QVector<double>({0, 100.0, 0, 0, 0, 0}));
        QCOMPARE(calculator.otherCosts(), QVector<double>({0, 0, 0.75, 0, 0, 7.0}));
        QCOMPARE(calculator.totalCosts(), QVector<double>({10.75, 100.0, 0.75, 0, 0, 7.0}));
        QCOMPARE(calculator.maxTotal(), 100.0);
        QCOMPARE(calculator.tickPositions(), QVector<double>({1, 2, 3, 4, 5, 6}));
        QCOMPARE(calculator.tickLabels().first(), QStringLiteral("Nov 2024."));
        QCOMPARE(calculator.periodNames().at(2), QStringLiteral("January 2025."));
        QCOMPARE(calculator.totalText(), QStringLiteral("Total cost: $ 118.50"));
        QCOMPARE(calculator.detailsText(),
                 QStringLiteral("Fuel costs: $ 10.75 | Service costs: $ 100.00 | Other costs: $ 7.75"));
        // The texts follow a change of currency without a new computation.
        currency(QStringLiteral("EUR"));
        QCOMPARE(calculator.totalText(), QStringLiteral("Total cost: 118,50 €"));
    }

    void weekBucketsCountWholeWeeksFromTheStart()
    {
        const CVehicle car = addVehicle(1);
        // A Wednesday start: Monday 6 January still belongs to the first
        // seven days, Wednesday 8 January begins the second bucket.
        const QDate start(2025, 1, 1);
        addFuel(car, start, 1.0);
        addFuel(car, {2025, 1, 6}, 2.0);
        addFuel(car, {2025, 1, 7}, 4.0);
        addFuel(car, {2025, 1, 8}, 8.0);
        addFuel(car, {2025, 3, 19}, 16.0);
        Calculator calculator;
        calculator.setReport(car, start, {2025, 3, 20});
        QCOMPARE(calculator.grouping(), int(Calculator::Week));
        QCOMPARE(calculator.count(), 12);
        QCOMPARE(calculator.fuelCosts().mid(0, 2), QVector<double>({7.0, 8.0}));
        QCOMPARE(calculator.fuelCosts().last(), 16.0);
        QCOMPARE(calculator.periodNames().at(1), QStringLiteral("8 Jan - 14 Jan | 2 week"));
        QCOMPARE(calculator.tickLabels().at(1), QStringLiteral("2 week"));

        // A Monday start over New Year: 30 December to 5 January is one week.
        const CVehicle van = addVehicle(1);
        addExpense(van, {2024, 12, 29}, 1.0);
        addExpense(van, {2024, 12, 30}, 2.0);
        addExpense(van, {2025, 1, 5}, 4.0);
        addExpense(van, {2025, 1, 6}, 8.0);
        calculator.setReport(van, {2024, 11, 4}, {2025, 1, 26});
        QCOMPARE(calculator.grouping(), int(Calculator::Week));
        QCOMPARE(calculator.otherCosts().mid(7, 3), QVector<double>({1.0, 6.0, 8.0}));
        QCOMPARE(calculator.periodNames().at(8), QStringLiteral("30 Dec - 5 Jan | 1 week"));
    }

    void dayBucketsAndLabels()
    {
        Utility::Clock::setToday({2025, 3, 12});
        const CVehicle car = addVehicle(1);
        addService(car, {2025, 3, 1}, 2.5);
        addService(car, {2025, 3, 12}, 3.5);
        Calculator calculator;
        const CReportPeriod thisMonth = CReportPeriod::preset(CReportPeriod::ThisMonth, Utility::Clock::today());
        calculator.setReport(car, thisMonth.start, thisMonth.end);
        QCOMPARE(calculator.grouping(), int(Calculator::Day));
        QCOMPARE(calculator.count(), 12);
        QCOMPARE(calculator.serviceCosts().first(), 2.5);
        QCOMPARE(calculator.serviceCosts().last(), 3.5);
        QCOMPARE(calculator.tickLabels().last(), QStringLiteral("12"));
        QCOMPARE(calculator.periodNames().first(), QStringLiteral("March 01 2025"));
    }

    void reversedPeriodGivesAnEmptyReport()
    {
        const CVehicle car = addVehicle(1);
        addExpense(car, {2025, 1, 10}, 5.0);
        Calculator calculator;
        calculator.setReport(car, {2025, 1, 1}, {2025, 1, 31});
        QSignalSpy updated(&calculator, &Calculator::updated);
        QVERIFY(calculator.calculate());
        calculator.setPeriod({2025, 3, 1}, {2024, 1, 1});
        QCOMPARE(updated.count(), 2);
        QCOMPARE(calculator.count(), 0);
        QVERIFY(calculator.otherCosts().isEmpty());
        QVERIFY(calculator.totalCosts().isEmpty());
        QVERIFY(calculator.periodNames().isEmpty());
        QCOMPARE(calculator.maxTotal(), 0.0);
        QCOMPARE(calculator.totalText(), QStringLiteral("Total cost: $ 0.00"));
        QCOMPARE(calculator.distanceCostText(), QStringLiteral("Cost per km: \u2014"));
    }

    void withoutVehicleOrDatesNothingIsComputed()
    {
        const CVehicle car = addVehicle(1);
        addExpense(car, {2025, 1, 10}, 5.0);
        Calculator calculator;
        QSignalSpy updated(&calculator, &Calculator::updated);
        calculator.setPeriod({2025, 1, 1}, {2025, 1, 31});
        QVERIFY(!calculator.calculate());
        calculator.setVehicle(car);
        QCOMPARE(updated.count(), 1);
        calculator.setPeriod(QDate(), {2025, 1, 31});
        QCOMPARE(updated.count(), 1);
        // The last results stay.
        QCOMPARE(calculator.otherCosts().at(9), 5.0);
    }

    void costPerDistanceAndOwnership()
    {
        const CVehicle car = addVehicle(1);
        const QDate start(2025, 1, 1);
        const QDate end(2025, 1, 31);
        Calculator calculator;
        calculator.setReport(car, start, end);
        QCOMPARE(calculator.distanceCostText(), QStringLiteral("Cost per km: \u2014"));

        // Readings on 22 December and 10 February: the period's share of the
        // distance is interpolated, 1000 km per 10 days.
        addReading(car, {2024, 12, 22}, 10000);
        addReading(car, {2025, 2, 10}, 15000);
        addFuel(car, {2025, 1, 5}, 250.0);
        addExpense(car, end, 50.0);
        addService(car, {2019, 6, 1}, 1000.0);
        calculator.calculate();
        QCOMPARE(calculator.distance(), qint64(3000));
        QCOMPARE(calculator.costPerDistance(), 0.1);
        QCOMPARE(calculator.distanceCostText(), QStringLiteral("Cost per km: $ 0.10"));
        QCOMPARE(calculator.ownershipCost(), 1300.0);
        QCOMPARE(calculator.ownershipText(), QStringLiteral("Total cost of ownership: $ 1,300.00"));

        const CVehicle boat = addVehicle(1, 3);
        calculator.setVehicle(boat);
        QCOMPARE(calculator.distanceCostText(), QStringLiteral("Cost per hour: \u2014"));
        QCOMPARE(calculator.ownershipCost(), 0.0);
    }

    void fuelReportPointsWithNeighbours()
    {
        const CVehicle car = addVehicle(2);
        const QDate start(2025, 3, 1);
        const QDate end(2025, 3, 31);
        addFuel(car, {2025, 1, 5}, 1, 500, 5.0, 1);
        addFuel(car, {2025, 2, 5}, 1, 1000, 5.0, 1);   // last of fuel 1 before
        addFuel(car, {2025, 2, 6}, 1, 1100, 9.0, 2);   // last of fuel 2 before
        addFuel(car, start, 20.5, 1400, 6.0, 2);       // the start day counts
        addFuel(car, end, 30.25, 1500, 6.0, 1);        // and so does the end day
        addFuel(car, {2025, 4, 2}, 1, 2000, 7.0, 1);   // first of fuel 1 after
        addFuel(car, {2025, 4, 9}, 1, 2500, 7.0, 1);
        addFuel(car, {2025, 4, 3}, 1, 2100, 8.0, 2);   // first of fuel 2 after
        addFuel(addVehicle(2), end, 1, 1450, 6.0, 1);  // another vehicle's

        CFuelReport report;
        report.load(car, start, end);
        QList<int> odometers;
        for (const CFuelReport::Point &point : report.points())
            odometers << point.odometer;
        QCOMPARE(odometers, QList<int>({1100, 1000, 1400, 1500, 2000, 2100}));
        QCOMPARE(report.points().at(3).date, end);
        QCOMPARE(report.points().at(3).efficiency, 6.0);
        QCOMPARE(report.periodPointCount(), 2);
        QCOMPARE(report.summary(1).count, 1);
        QCOMPARE(report.summary(1).totalCost, 30.25);
        QCOMPARE(report.summary(2).count, 1);
        QVERIFY(report.summary(2).summaryText.endsWith(QStringLiteral("Total Cost: $ 20.50")));
        // The texts follow a change of currency.
        currency(QStringLiteral("EUR"));
        QVERIFY(report.summary(2).summaryText.endsWith(QStringLiteral("Total Cost: 20,50 €")));

        // No entry in the period: the lines still join the neighbours.
        report.load(car, {2025, 3, 10}, {2025, 3, 15});
        QCOMPARE(report.points().size(), 4);
        QCOMPARE(report.periodPointCount(), 0);
        QCOMPARE(report.summary(1).summaryText, QStringLiteral("None entries"));
    }

    void fuelReportAxes()
    {
        const QDate start(2025, 3, 1);
        const QDate end(2025, 3, 31);
        const CFuelReport::Range dates = CFuelReport::dateRange(start, end);
        QCOMPARE(dates.lower, double(QDateTime(start, QTime(0, 0), Qt::UTC).toSecsSinceEpoch()));
        QCOMPARE(dates.upper, double(QDateTime(QDate(2025, 4, 3), QTime(0, 0), Qt::UTC).toSecsSinceEpoch()));
        // Keys are 64-bit: days before 1970 and after 2106 have their place.
        QCOMPARE(CFuelReport::dateKey({1965, 5, 1}), double(QDateTime(QDate(1965, 5, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch()));
        QCOMPARE(CFuelReport::dateKey({2110, 1, 1}), double(QDateTime(QDate(2110, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch()));
        QVERIFY(CFuelReport::dateKey({1965, 5, 1}) < 0);
        QVERIFY(CFuelReport::dateKey({2110, 1, 1}) > 4294967296.0);

        const auto entry = [](const QDate &date, int odometer, double efficiency, int fuelType = 1) {
            return CFuelReport::Point{date, fuelType, odometer, efficiency};
        };
        // One entry (on the end day, inside the axis): its value to one more,
        // padded by a twentieth; the readings truncated to whole numbers.
        const QVector<CFuelReport::Point> single{entry(end, 1000, 6.5)};
        COMPARE_RANGE(CFuelReport::efficiencyRange(single, false), 6.45, 7.55);
        COMPARE_RANGE(CFuelReport::odometerRange(single, dates), 999, 1001);

        // Readings outside the date axis do not widen the odometer axis; the
        // second fuel counts only for a dual-fuel vehicle.
        const QVector<CFuelReport::Point> entries{entry({2025, 2, 1}, 100, 9.0), entry(start, 1000, 5.0),
                                      entry({2025, 3, 20}, 3000, 6.0, 2), entry({2025, 4, 3}, 3200, 4.0, 1),
                                      entry({2025, 4, 4}, 9000, 7.0)};
        COMPARE_RANGE(CFuelReport::odometerRange(entries, dates), 890, 3310);
        COMPARE_RANGE(CFuelReport::efficiencyRange(entries, false), 3.75, 9.25);
        COMPARE_RANGE(CFuelReport::efficiencyRange(entries.mid(1, 2), true), 4.95, 6.05);
        COMPARE_RANGE(CFuelReport::odometerRange({}, dates), 0, 1);
    }
    void paginationKeepsRowsWholeUnderAHeaderRow_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        // The first page holds 13 rows below the chart and the summary; a
        // later page 42 under its header row.
        QTest::newRow("no table") << 0 << 1;
        QTest::newRow("the total moves on") << 13 << 2;
        QTest::newRow("two full pages") << 54 << 2;
        QTest::newRow("total on a third") << 55 << 3;
    }

    void paginationKeepsRowsWholeUnderAHeaderRow()
    {
        QFETCH(int, rows);
        QFETCH(int, pages);
        CReportPagination::Metrics metrics;
        metrics.pageHeight = 100;
        metrics.headingHeight = 10;
        metrics.runningHeadHeight = 5;
        metrics.footerHeight = 5;
        metrics.spacing = 2;
        metrics.chartHeight = 40;
        metrics.headerRowHeight = 3;
        metrics.rowHeight = 2;
        const bool table = rows > 0;
        const auto layout = CReportPagination::paginate(metrics, {10}, rows, table);
        QCOMPARE(layout.size(), pages);

        int nextRow = 0;
        bool totalSeen = false;
        for (int page = 0; page < layout.size(); ++page) {
            double top = page == 0 ? metrics.headingHeight : metrics.runningHeadHeight;
            CReportPagination::Kind previous = CReportPagination::Chart;
            for (const CReportPagination::Item &item : layout.at(page)) {
                QVERIFY(item.top >= top);
                QVERIFY(item.top + item.height <= metrics.pageHeight - metrics.footerHeight);
                top = item.top + item.height;
                if (item.kind == CReportPagination::Row || item.kind == CReportPagination::TotalRow) {
                    // A row follows a row or the header row of its page.
                    QVERIFY(previous == CReportPagination::HeaderRow || previous == CReportPagination::Row);
                    QVERIFY(!totalSeen);
                }
                if (item.kind == CReportPagination::Row)
                    QCOMPARE(item.index, nextRow++);
                totalSeen = totalSeen || item.kind == CReportPagination::TotalRow;
                previous = item.kind;
            }
        }
        QCOMPARE(nextRow, rows);
        QCOMPARE(totalSeen, table);
        QCOMPARE(layout.first().first().kind, CReportPagination::Chart);
    }
};

GARVO_TEST_GUILESS_MAIN(TestReportCore)
#include "tst_reportcore.moc"
