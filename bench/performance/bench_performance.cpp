// The actions a user waits for, on the heavy database, each beside raw SQL
// answering the same question on the same file:
//
//     bench_performance [--runs N] [--scale F] [--statements]
//
// Every time is the median of N runs (default 7) in milliseconds. The
// statements and rows columns count what SQLite ran for one run of ours;
// --statements lists that run's SQL above its line.
// The busiest vehicle (10,000 fuel entries at scale 1) is measured, and the
// same actions again at a tenth of the scale (1,000 entries) for growth.

#include "benchtiming.h"
#include "heavydatabase.h"

#include "application/appmw.h"
#include "database/database.h"
#include "database/fuellog.h"
#include "database/odometerlog.h"
#include "database/settings.h"
#include "database/storage.h"
#include "database/tablevehicle.h"
#include "database/transaction.h"
#include "database/vehicle.h"
#include "modules/options/units.h"
#include "modules/vehicle/fuellog/fuellogcontent.h"
#include "modules/vehicle/fuellog/fuellogtableview.h"
#include "modules/vehicle/odometerlog/odometerlogtableview.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "modules/vehicle/vehicleinfocontent.h"
#include "modules/vehicle/vehiclemodule.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <functional>

namespace {

QTextStream out(stdout);
int runs = 7;
// With --statements each counted run lists what it ran.
bool listStatements = false;

// Statements and rows SQLite ran while a counter is on.
struct SqlCounter
{
    qint64 statements = 0;
    qint64 rows = 0;

    static int trace(unsigned type, void *context, void *, void *sql)
    {
        auto *counter = static_cast<SqlCounter *>(context);
        if (type == SQLITE_TRACE_STMT && listStatements)
            out << "    " << static_cast<const char *>(sql) << "\n";
        if (type == SQLITE_TRACE_STMT)
            ++counter->statements;
        else if (type == SQLITE_TRACE_ROW)
            ++counter->rows;
        return 0;
    }

    static sqlite3 *handle()
    {
        const QVariant v = CDatabase::instance()->database().driver()->handle();
        return v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3 *const *>(v.data())
                                                                     : nullptr;
    }

    void start()
    {
        statements = rows = 0;
        if (sqlite3 *db = handle())
            sqlite3_trace_v2(db, SQLITE_TRACE_STMT | SQLITE_TRACE_ROW, &SqlCounter::trace, this);
    }
    void stop()
    {
        if (sqlite3 *db = handle())
            sqlite3_trace_v2(db, 0, nullptr, nullptr);
    }
};

using BenchTiming::settle;

double median(const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    return BenchTiming::median(runs, work, prepare);
}

// One run of `work` with the statements counted.
SqlCounter counted(const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    if (prepare)
        prepare();
    SqlCounter counter;
    counter.start();
    work();
    counter.stop();
    return counter;
}

// Runs a query and reads every row.
void raw(const QString &sql, const QVariantList &bindings = QVariantList())
{
    QSqlQuery query;
    CDatabase::instance()->exec(query, sql, bindings);
    while (query.next())
        query.value(0);
}

QString number(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 1);
}

void row(const QString &action, double ours, double rawTime, const QString &goal, bool met,
         const SqlCounter &count = SqlCounter())
{
    QString line = action.leftJustified(52) + number(ours).rightJustified(9);
    line += rawTime > 0 ? number(rawTime).rightJustified(9) + QString(number(ours / rawTime) + QStringLiteral("x")).rightJustified(8)
                        : QStringLiteral("        -       -");
    line += (count.statements ? QString::number(count.statements) : QStringLiteral("-")).rightJustified(7);
    line += (count.statements ? QString::number(count.rows) : QStringLiteral("-")).rightJustified(9);
    line += QStringLiteral("  ") + goal + (met ? QStringLiteral(" ok") : QStringLiteral(" MISSED"));
    out << line << "\n";
    out.flush();
}

void header(const QString &title)
{
    out << "\n" << title << "\n"
        << QStringLiteral("action").leftJustified(52) << "     ours      raw   ratio  stmts     rows  goal\n";
}

struct Open
{
    CDatabase *database = nullptr;
    CSettings *settings = nullptr;

    explicit Open(const QString &path)
    {
        database = new CDatabase(path);
        settings = new CSettings(database);
        Storage::createVehicleTypeTable();
        Storage::createVehicleTables();
        resetCurrency();
    }
    ~Open()
    {
        Storage::deleteVehicleTables();
        Storage::deleteVehicleTypeTable();
        delete settings;
        delete database;
        resetCurrency();
    }
};

struct PageTimes
{
    double vehiclePage = 0;
    double fuelPage = 0;
    double fuelList = 0;
    double odometerList = 0;
};

CFuelLog newEntry(int odometer)
{
    CFuelLog entry;
    entry.setAutoSave(false);
    entry.setFuelType(1);
    entry.setDate(QDate(2026, 6, 1));
    entry.setOdometer(odometer);
    entry.setCostPerUnit(1.9);
    entry.setQuantity(40.0);
    entry.setDistance(450);
    entry.setTotalCost(76.0);
    return entry;
}

// Every action of the vehicle with the most fuel entries.
PageTimes measure(const QString &path, const HeavyDatabase::Result &generated, bool full)
{
    PageTimes times;
    Open open(path);
    const int busy = generated.busiestVehicleId;
    const int other = generated.ordinaryVehicleId;
    const QVariantList vehicle = {busy};

    CVehicleModule module;
    module.resize(1024, 700);
    module.show();
    settle();
    auto *contents = module.contentWidget();
    auto *fuelPage = qobject_cast<CFuelLogContent *>(contents->page(VehicleContentId::FuelLog));
    auto *infoPage = qobject_cast<CVehicleInfoContent *>(contents->page(VehicleContentId::Info));

    // Footers.
    const CVehicle car(busy);
    const double footers = median([&] { CFuelLog::summarizeVehicle(car); });
    // The same answer: quantities and money summed in whole cents.
    const QString footerSql = QStringLiteral(
        "SELECT fuellog_fuel_type, COUNT(*), TOTAL(fuellog_distance), "
        "TOTAL(ROUND(CAST(fuellog_quantity AS REAL) * 100)), TOTAL(ROUND(CAST(fuellog_total_cost AS REAL) * 100)) "
        "FROM fuellog WHERE fuellog_vehicle_id = ? AND fuellog_fuel_type IN (1, 2) GROUP BY fuellog_fuel_type");
    const double footersRaw = median([&] { raw(footerSql, vehicle); });
    if (full)
        row(QStringLiteral("Fuel footers (both fuels)"), footers, footersRaw, QStringLiteral("<= 2x raw"),
            footers <= 2 * footersRaw, counted([&] { CFuelLog::summarizeVehicle(car); }));

    // Opening the vehicle page (info page with the odometer history) and
    // the fuel page, each the first time for the vehicle.
    const auto showOther = [&] {
        module.setVehicle(CVehicle(other));
        module.enterModule();
        settle();
        module.leaveModule();
    };
    const auto openVehicle = [&] {
        module.setVehicle(CVehicle(busy));
        module.enterModule();
        settle();
    };
    times.vehiclePage = median(openVehicle, showOther);
    const auto openFuel = [&] {
        contents->changeContent(VehicleContentId::FuelLog);
        settle();
    };
    times.fuelPage = median(openFuel, [&] {
        showOther();
        openVehicle();
    });
    if (full) {
        row(QStringLiteral("Open the vehicle page (first time)"), times.vehiclePage, 0, QStringLiteral("< 50 ms"),
            times.vehiclePage < 50, counted(openVehicle, showOther));
        row(QStringLiteral("Open the fuel log page (first time)"), times.fuelPage, 0, QStringLiteral("< 50 ms"),
            times.fuelPage < 50, counted(openFuel, [&] {
                showOther();
                openVehicle();
            }));
    }

    // First page of each list.
    contents->changeContent(VehicleContentId::FuelLog);
    settle();
    const double fuelListRaw = median([&] {
        raw(QStringLiteral("SELECT * FROM fuellog WHERE fuellog_vehicle_id = ? ORDER BY fuellog_odometer DESC LIMIT 256"),
            vehicle);
    });
    times.fuelList = median([&] { fuelPage->tableView()->refresh(); });
    contents->changeContent(VehicleContentId::Info);
    settle();
    const double odometerListRaw = median([&] {
        raw(QStringLiteral("SELECT * FROM odometerlog WHERE odometerlog_vehicle_id = ? "
                           "ORDER BY odometerlog_date DESC, odometerlog_odometer DESC LIMIT 256"),
            vehicle);
    });
    times.odometerList = median([&] { infoPage->odometerLog()->refresh(); });
    if (full) {
        row(QStringLiteral("First page of the fuel list"), times.fuelList, fuelListRaw, QStringLiteral("<= 2x raw"),
            times.fuelList <= 2 * fuelListRaw, counted([&] { fuelPage->tableView()->refresh(); }));
        row(QStringLiteral("First page of the odometer list"), times.odometerList, odometerListRaw,
            QStringLiteral("<= 2x raw"), times.odometerList <= 2 * odometerListRaw,
            counted([&] { infoPage->odometerLog()->refresh(); }));

        // Lookups of the entry dialogs and of expenses and notes.
        const double previous = median([&] { CFuelLog::previousEntry(CFuelLog(), busy, 1); });
        const double previousRaw = median([&] {
            raw(QStringLiteral("SELECT * FROM fuellog WHERE fuellog_vehicle_id = ? AND fuellog_fuel_type = 1 "
                               "ORDER BY fuellog_odometer DESC LIMIT 1"),
                vehicle);
        });
        row(QStringLiteral("previousEntry"), previous, previousRaw, QStringLiteral("<= 2x raw"),
            previous <= 2 * previousRaw, counted([&] { CFuelLog::previousEntry(CFuelLog(), busy, 1); }));
        const QDate day(2016, 6, 15);
        const double nearest = median([&] { COdometerLog::estimatedOdometer(day, busy); });
        const double nearestRaw = median([&] {
            raw(QStringLiteral("SELECT odometerlog_odometer FROM odometerlog WHERE odometerlog_vehicle_id = ? AND "
                               "odometerlog_date >= ? ORDER BY odometerlog_date ASC LIMIT 1"),
                {busy, day.toString(Qt::ISODate)});
            raw(QStringLiteral("SELECT odometerlog_odometer FROM odometerlog WHERE odometerlog_vehicle_id = ? AND "
                               "odometerlog_date <= ? ORDER BY odometerlog_date DESC LIMIT 1"),
                {busy, day.toString(Qt::ISODate)});
        });
        row(QStringLiteral("Nearest odometer reading (estimate)"), nearest, nearestRaw, QStringLiteral("<= 2x raw"),
            nearest <= 2 * nearestRaw, counted([&] { COdometerLog::estimatedOdometer(day, busy); }));

        // Save one entry from the vehicle page with the fuel page in view:
        // the dialog's save, then the switch to the fuel page, then the
        // refresh the change sets off.
        contents->changeContent(VehicleContentId::FuelLog);
        settle();
        int odometer = module.vehicle().odometerValue();
        const auto save = [&] {
            CFuelLog entry = newEntry(odometer += 450);
            entry.saveWithReading(module.vehicle());
            contents->changeContent(VehicleContentId::FuelLog);
            settle();
        };
        const double saved = median(save);
        const auto rawSave = [&] {
            odometer += 450;
            CTransaction transaction;
            raw(QStringLiteral("INSERT INTO fuellog (fuellog_vehicle_id, fuellog_date, fuellog_odometer, "
                               "fuellog_fuel_type, fuellog_cost_per_unit, fuellog_quantity, fuellog_distance, "
                               "fuellog_total_cost) VALUES (?, '2026-06-01', ?, 1, '1.90', '40.00', 450, '76.00')"),
                {busy, odometer});
            raw(QStringLiteral("INSERT INTO odometerlog (odometerlog_vehicle_id, odometerlog_date, "
                               "odometerlog_odometer, odometerlog_parent_type, odometerlog_parent_id) "
                               "VALUES (?, '2026-06-01', ?, 2, last_insert_rowid())"),
                {busy, odometer});
            raw(QStringLiteral("UPDATE vehicle SET vehicle_odometer_value = ? WHERE vehicle_id = ?"), {odometer, busy});
            transaction.commit();
            raw(QStringLiteral("SELECT * FROM fuellog WHERE fuellog_vehicle_id = ? ORDER BY fuellog_odometer DESC "
                               "LIMIT 256"),
                vehicle);
            raw(footerSql, vehicle);
        };
        const double savedRaw = median(rawSave);
        row(QStringLiteral("Save one fuel entry, page refreshed"), saved, savedRaw, QStringLiteral("< 50 ms"),
            saved < 50, counted(save));
    }
    module.leaveModule();
    return times;
}

// Deleting the busiest vehicle with its page open, against one DELETE per
// table; each run on a fresh copy of the file.
void measureDelete(const QString &path, const HeavyDatabase::Result &generated, const QString &folder)
{
    const QString copy = QDir(folder).filePath(QStringLiteral("delete.db"));
    const int busy = generated.busiestVehicleId;
    int dependent = 0;
    const auto fresh = [&] {
        QFile::remove(copy);
        QFile::copy(path, copy);
    };
    QVector<double> ours;
    QVector<double> rawTimes;
    SqlCounter count;
    for (int i = 0; i < runs; ++i) {
        fresh();
        {
            Open open(copy);
            CVehicleModule module;
            module.show();
            module.setVehicle(CVehicle(busy));
            module.enterModule();
            module.contentWidget()->changeContent(VehicleContentId::FuelLog);
            settle();
            if (i == 0) {
                QSqlQuery query;
                CDatabase::instance()->exec(
                    query,
                    QStringLiteral("SELECT (SELECT COUNT(*) FROM fuellog WHERE fuellog_vehicle_id = ?) + "
                                   "(SELECT COUNT(*) FROM odometerlog WHERE odometerlog_vehicle_id = ?) + "
                                   "(SELECT COUNT(*) FROM service_session WHERE service_session_vehicle_id = ?) + "
                                   "(SELECT COUNT(*) FROM service_item WHERE service_item_service_log_id IN "
                                   "(SELECT service_session_id FROM service_session WHERE service_session_vehicle_id = ?)) + "
                                   "(SELECT COUNT(*) FROM expense WHERE expense_vehicle_id = ?) + "
                                   "(SELECT COUNT(*) FROM note WHERE note_vehicle_id = ?) + "
                                   "(SELECT COUNT(*) FROM service_schedule WHERE service_schedule_vehicle_id = ?)"),
                    QVariantList{busy, busy, busy, busy, busy, busy, busy});
                dependent = query.next() ? query.value(0).toInt() : 0;
                count.start();
            }
            QElapsedTimer timer;
            timer.start();
            CTableVehicle::instance()->removeVehicle(busy);
            settle();
            ours.append(timer.nsecsElapsed() / 1e6);
            if (i == 0)
                count.stop();
            module.leaveModule();
        }
        fresh();
        {
            Open open(copy);
            QElapsedTimer timer;
            timer.start();
            CTransaction transaction;
            raw(QStringLiteral("DELETE FROM service_item WHERE service_item_service_log_id IN "
                               "(SELECT service_session_id FROM service_session WHERE service_session_vehicle_id = ?)"),
                {busy});
            for (const char *table : {"odometerlog", "fuellog", "service_session", "service_schedule", "note", "expense"})
                raw(QStringLiteral("DELETE FROM %1 WHERE %1_vehicle_id = ?").arg(QLatin1String(table)), {busy});
            raw(QStringLiteral("DELETE FROM vehicle WHERE vehicle_id = ?"), {busy});
            transaction.commit();
            rawTimes.append(timer.nsecsElapsed() / 1e6);
        }
    }
    std::sort(ours.begin(), ours.end());
    std::sort(rawTimes.begin(), rawTimes.end());
    const double o = ours.at(ours.size() / 2);
    const double r = rawTimes.at(rawTimes.size() / 2);
    row(QStringLiteral("Delete the vehicle (%1 dependent rows)").arg(dependent), o, r, QStringLiteral("<= 2x raw"),
        o <= 2 * r, count);
    QFile::remove(copy);
}

// From building the main window to the garage shown, on a file of the data
// folder; the window is closed again after each run.
double measureStart(const QString &source)
{
    const QString target = CDatabase::defaultPath();
    QFile::remove(target);
    if (!source.isEmpty())
        QFile::copy(source, target);
    Utility::Prompt::setScripted(true);
    const double time = median([] {
        auto *window = new CAppMW;
        window->show();
        settle();
        window->slotAppClose();
        delete window;
    });
    QFile::remove(target);
    return time;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    BenchTiming::useFolder(folder);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Garvo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kestrel Row"));

    double scale = 1.0;
    const QStringList arguments = app.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--runs") && i + 1 < arguments.size())
            runs = qMax(1, arguments.at(++i).toInt());
        else if (arguments.at(i) == QLatin1String("--statements"))
            listStatements = true;
        else if (arguments.at(i) == QLatin1String("--scale") && i + 1 < arguments.size())
            scale = arguments.at(++i).toDouble();
    }

    const QString fullPath = folder.filePath(QStringLiteral("heavy.db"));
    const QString smallPath = folder.filePath(QStringLiteral("heavy-tenth.db"));
    HeavyDatabase::Result full;
    HeavyDatabase::Result small;
    if (!HeavyDatabase::generate(fullPath, HeavyDatabase::Scale().scaled(scale), 1, &full)
        || !HeavyDatabase::generate(smallPath, HeavyDatabase::Scale().scaled(scale / 10), 1, &small)) {
        QTextStream(stderr) << "cannot generate: " << full.error << small.error << "\n";
        return 1;
    }
    out << "heavy database: " << full.rows << " rows (scale " << scale << "); median of " << runs << " runs, ms\n";

    header(QStringLiteral("Busiest vehicle (%1 fuel entries)").arg(qRound(10000 * scale)));
    const PageTimes large = measure(fullPath, full, true);
    measureDelete(fullPath, full, folder.path());
    const double start = measureStart(fullPath);
    const double startEmpty = measureStart(QString());
    row(QStringLiteral("Start to garage shown"), start, 0, QStringLiteral("< 300 ms"), start < 300);
    row(QStringLiteral("Start to garage shown, empty database"), startEmpty, 0, QStringLiteral("< 300 ms"),
        startEmpty < 300);

    header(QStringLiteral("Growth from %1 to %2 fuel entries on the vehicle").arg(qRound(1000 * scale)).arg(qRound(10000 * scale)));
    const PageTimes tenth = measure(smallPath, small, false);
    const auto growth = [](const QString &action, double a, double b) {
        row(action + QStringLiteral(" (ours: large, raw: tenth)"), b, a, QStringLiteral("<= 2x"), b <= 2 * a);
    };
    growth(QStringLiteral("Vehicle page"), tenth.vehiclePage, large.vehiclePage);
    growth(QStringLiteral("Fuel page"), tenth.fuelPage, large.fuelPage);
    growth(QStringLiteral("Fuel list"), tenth.fuelList, large.fuelList);
    growth(QStringLiteral("Odometer list"), tenth.odometerList, large.odometerList);
    return 0;
}
