// Times the cost and fuel reports of the busiest vehicle of the heavy
// database (10,000 fuel entries over twenty years), each beside the raw
// aggregate SQL that answers the same question, and the opening of both
// report pages:
//
//     bench_reports [<heavy database file>]
//
// Without a file a new heavy database is generated in a temporary folder.
// "Today" is 15 January 2026, just after the generated history ends. Each
// timing is the median of a few runs, printed in milliseconds.

#include "benchtiming.h"
#include "heavydatabase.h"

#include "application/configuration.h"
#include "database/database.h"
#include "database/settings.h"
#include "database/storage.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tableodometerlog.h"
#include "database/tablesession.h"
#include "database/vehicle.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclecostreportcontent.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehicleexpenseschart.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelchart.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelreportcontent.h"
#include "reports/fuelreport.h"
#include "reports/reportperiod.h"
#include "reports/vehicleexpensecalculator.h"
#include "utility/clock.h"

#include <QApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

namespace {

const QString DayFormat = QStringLiteral("yyyy-MM-dd");
constexpr int Runs = 7;

double timed(const std::function<void()> &work)
{
    return BenchTiming::median(Runs, work);
}

// Runs a statement with its values bound and adds up the numbers of its
// last column, so that every row is read as a caller would.
double run(const QString &sql, const QVariantList &bindings)
{
    QSqlQuery query(CDatabase::instance()->database());
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : bindings)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    double sum = 0.0;
    const int last = query.record().count() - 1;
    while (query.next()) {
        for (int i = 0; i < last; ++i)
            query.value(i);
        sum += query.value(last).toDouble();
    }
    return sum;
}

// The raw statements for a cost report: each table's sums grouped by the
// strftime key of the grouping, each table's lifetime sum, and the readings
// next to the two ends of the period.
void rawCostReport(int vehicleId, const CReportPeriod &period)
{
    static const char *formats[] = {"%Y", "%m-%Y", "%W-%Y", "%d-%m-%Y"};
    const QString format = QLatin1String(formats[CVehicleExpenseCalculator::groupingFor(period.days())]);
    const QString start = period.start.toString(DayFormat);
    const QString end = period.end.toString(DayFormat);
    const struct
    {
        QString table, amount;
    } sources[] = {{QStringLiteral("fuellog"), QStringLiteral("fuellog_total_cost")},
                   {QStringLiteral("service_session"), QStringLiteral("service_session_total_cost")},
                   {QStringLiteral("expense"), QStringLiteral("expense_amount")}};
    for (const auto &source : sources) {
        run(QStringLiteral("SELECT strftime('%1', %2_date), SUM(%3) FROM %2 WHERE %2_vehicle_id = ? AND %2_date >= ? "
                           "AND %2_date <= ? GROUP BY strftime('%1', %2_date)")
                .arg(format, source.table, source.amount),
            {vehicleId, start, end});
        run(QStringLiteral("SELECT SUM(%2) FROM %1 WHERE %1_vehicle_id = ?").arg(source.table, source.amount),
            {vehicleId});
    }
    for (const QString &day : {start, end}) {
        run(QStringLiteral("SELECT odometerlog_date, odometerlog_odometer FROM odometerlog WHERE odometerlog_vehicle_id = ? "
                           "AND odometerlog_date <= ? ORDER BY odometerlog_date DESC, odometerlog_odometer DESC LIMIT 1"),
            {vehicleId, day});
        run(QStringLiteral("SELECT odometerlog_date, odometerlog_odometer FROM odometerlog WHERE odometerlog_vehicle_id = ? "
                           "AND odometerlog_date >= ? ORDER BY odometerlog_date ASC, odometerlog_odometer ASC LIMIT 1"),
            {vehicleId, day});
    }
}

// The raw statements for a fuel report: the period's points in odometer
// order, the neighbours of each fuel and the per-fuel sums of the period.
void rawFuelReport(int vehicleId, const CReportPeriod &period)
{
    const QString start = period.start.toString(DayFormat);
    const QString end = period.end.toString(DayFormat);
    run(QStringLiteral("SELECT fuellog_date, fuellog_fuel_type, fuellog_odometer, fuellog_efficiency FROM fuellog "
                       "WHERE fuellog_vehicle_id = ? AND fuellog_date >= ? AND fuellog_date <= ? ORDER BY fuellog_odometer"),
        {vehicleId, start, end});
    for (int fuel : {1, 2}) {
        run(QStringLiteral("SELECT * FROM fuellog WHERE fuellog_vehicle_id = ? AND fuellog_fuel_type = ? AND "
                           "fuellog_date > ? ORDER BY fuellog_odometer LIMIT 1"),
            {vehicleId, fuel, end});
        run(QStringLiteral("SELECT * FROM fuellog WHERE fuellog_vehicle_id = ? AND fuellog_fuel_type = ? AND "
                           "fuellog_date < ? ORDER BY fuellog_odometer DESC LIMIT 1"),
            {vehicleId, fuel, start});
    }
    run(QStringLiteral("SELECT fuellog_fuel_type, COUNT(*), SUM(fuellog_distance), SUM(fuellog_quantity), "
                       "SUM(fuellog_total_cost) FROM fuellog WHERE fuellog_vehicle_id = ? AND fuellog_date >= ? AND "
                       "fuellog_date <= ? GROUP BY fuellog_fuel_type"),
        {vehicleId, start, end});
}

void saveCustomPeriod(QLatin1String page, const CReportPeriod &period)
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Reports);
    config->setValue(Config::Key::report(page, Config::Key::PeriodType), 8);
    config->setValue(Config::Key::report(page, Config::Key::StartDate), period.start.toString(DayFormat));
    config->setValue(Config::Key::report(page, Config::Key::EndDate), period.end.toString(DayFormat));
}

// A new page shown for the vehicle with its chart drawn, as when the user
// opens it.
template<class Page, class Chart>
void openPage(CVehicle *vehicle, Chart *(Page::*chart)() const)
{
    Page page;
    page.resize(1024, 560);
    page.setVehicle(vehicle);
    page.enter();
    (page.*chart)()->replot(QCustomPlot::rpImmediateRefresh);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Garvo"));
    app.setOrganizationName(QStringLiteral("Kestrel Row"));
    QTextStream out(stdout);

    QTemporaryDir folder;
    QString path = app.arguments().value(1);
    int vehicleId = 1;
    if (path.isEmpty()) {
        path = folder.filePath(QStringLiteral("heavy.db"));
        HeavyDatabase::Result result;
        if (!HeavyDatabase::generate(path, HeavyDatabase::Scale(), 1, &result))
            qFatal("%s", qPrintable(result.error));
        vehicleId = result.busiestVehicleId;
    }
    // Keep the user's configuration file out of it.
    CConfiguration::instance()->open(folder.filePath(QStringLiteral("garvo.ini")), true);

    auto *database = new CDatabase(path);
    if (!database->isOpen())
        qFatal("%s", qPrintable(database->errorText()));
    auto *settings = new CSettings(database);
    Storage::createVehicleTypeTable();
    Storage::createVehicleTables();

    Utility::Clock::setToday({2026, 1, 15});
    const QDate today = Utility::Clock::today();
    CVehicle vehicle(vehicleId);
    const struct
    {
        const char *name;
        CReportPeriod period;
    } costCases[] = {{"20 years by year", {{2006, 1, 1}, {2025, 12, 31}}},
                     {"12 months by month", CReportPeriod::preset(CReportPeriod::LastTwelveMonths, today)},
                     {"3 months by week", CReportPeriod::preset(CReportPeriod::LastThreeMonths, today, true)}};

    out << "Vehicle " << vehicleId << " of " << path << "\n";
    out << qSetFieldWidth(34) << Qt::left << "" << qSetFieldWidth(12) << Qt::right << "report" << "raw SQL"
        << "ratio" << qSetFieldWidth(0) << "\n";
    const auto line = [&out](const QString &name, double report, double raw) {
        out << qSetFieldWidth(34) << Qt::left << name << qSetFieldWidth(12) << Qt::right
            << QString::number(report, 'f', 2) << QString::number(raw, 'f', 2) << QString::number(report / raw, 'f', 2)
            << qSetFieldWidth(0) << "\n";
    };
    for (const auto &costCase : costCases) {
        CVehicleExpenseCalculator calculator;
        const double report = timed([&] { calculator.setReport(vehicle, costCase.period.start, costCase.period.end); });
        const double raw = timed([&] { rawCostReport(vehicleId, costCase.period); });
        line(QStringLiteral("cost report, %1").arg(QLatin1String(costCase.name)), report, raw);
    }
    const CReportPeriod twentyYears{{2006, 1, 1}, {2025, 12, 31}};
    {
        CFuelReport fuelReport;
        const double report = timed([&] {
            fuelReport.load(vehicle, twentyYears.start, twentyYears.end);
            fuelReport.summary(1);
            fuelReport.summary(2);
        });
        const double raw = timed([&] { rawFuelReport(vehicleId, twentyYears); });
        line(QStringLiteral("fuel report, 20 years"), report, raw);
    }

    {
        CFuelReport fuelReport;
        fuelReport.load(vehicle, twentyYears.start, twentyYears.end);
        CVehicleFuelChart chart;
        chart.resize(780, 480);
        chart.setVehicle(vehicle);
        out << "fuel chart, 20 years: update "
            << QString::number(timed([&] { chart.updateChart(fuelReport.points(), twentyYears.start, twentyYears.end); }),
                               'f', 2)
            << " ms, draw "
            << QString::number(timed([&] { chart.replot(QCustomPlot::rpImmediateRefresh); }), 'f', 2) << " ms\n";
    }

    saveCustomPeriod(Config::Key::VehicleCostReport, twentyYears);
    saveCustomPeriod(Config::Key::VehicleFuelReport, twentyYears);
    out << "open the cost report page, 20 years: "
        << QString::number(timed([&] { openPage(&vehicle, &CVehicleCostReportContent::chart); }), 'f', 2) << " ms\n";
    out << "open the fuel report page, 20 years: "
        << QString::number(timed([&] { openPage(&vehicle, &CVehicleFuelReportContent::chart); }), 'f', 2) << " ms\n";

    Storage::deleteVehicleTables();
    Storage::deleteVehicleTypeTable();
    delete settings;
    delete database;
    return 0;
}
