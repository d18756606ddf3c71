// Works on a database until it is killed, and checks one afterwards; the
// kill trials of scripts/kill-trials.sh drive it.
//   work PATH    saves fuel entries with their readings, creates vehicles with
//                a history and deletes them, for ever; prints "working"
//   check PATH   prints what is wrong with the file and exits 1, or prints
//                the row counts and exits 0
#include "database/database.h"
#include "database/fuellog.h"
#include "database/settings.h"
#include "database/storage.h"
#include "database/tablevehicle.h"
#include "database/transaction.h"
#include "database/vehicle.h"

#include <QCoreApplication>
#include <QPair>
#include <QSqlQuery>

#include <cstdio>

namespace {

int newVehicle(int entries)
{
    CVehicle vehicle;
    vehicle.setName(QStringLiteral("Trial"));
    vehicle.setFuelSystemType(1);
    vehicle.setFuelNameFirst(QStringLiteral("Gasoline"));
    vehicle.setOdometerType(1);
    if (vehicle.save() == 0)
        return 0;
    CTransaction transaction;
    for (int i = 1; i <= entries; ++i) {
        CFuelLog entry;
        entry.setAutoSave(false);
        entry.setVehicleId(vehicle.id());
        entry.setDate(QDate(2020, 1, 1).addDays(i));
        entry.setOdometer(1000 + 100 * i);
        entry.setFuelType(1);
        entry.setQuantity(40.5);
        entry.setTotalCost(61.25);
        entry.setDistance(100);
        if (entry.saveWithReading(vehicle) == 0)
            return 0;
    }
    return transaction.commit() ? vehicle.id() : 0;
}

int work()
{
    std::puts("working");
    std::fflush(stdout);
    const int kept = newVehicle(0);
    CVehicle vehicle(kept);
    for (int round = 1;; ++round) {
        for (int i = 0; i < 20; ++i) {
            CFuelLog entry;
            entry.setVehicleId(kept);
            entry.setDate(QDate(2021, 1, 1).addDays(round % 3000));
            entry.setOdometer(round * 100 + i);
            entry.setFuelType(1);
            entry.setQuantity(30);
            entry.setTotalCost(45.5);
            entry.saveWithReading(vehicle);
        }
        const int doomed = newVehicle(300);
        CTableVehicle::instance()->removeVehicle(doomed);
    }
}

QVariant scalar(const QString &sql)
{
    QSqlQuery query;
    if (!CDatabase::instance()->exec(query, sql) || !query.next())
        return QStringLiteral("<failed: %1>").arg(CDatabase::instance()->errorText());
    return query.value(0);
}

int check()
{
    QStringList faults;
    const QString integrity = scalar(QStringLiteral("PRAGMA integrity_check")).toString();
    if (integrity != QLatin1String("ok"))
        faults << QStringLiteral("integrity check: ") + integrity;
    // Each query counts the rows that show one kind of damage.
    const QList<QPair<const char *, const char *>> checks = {
        {"fuel entries without their reading",
         "SELECT count(*) FROM fuellog WHERE fuellog_id NOT IN "
         "(SELECT odometerlog_parent_id FROM odometerlog WHERE odometerlog_parent_type = 2)"},
        {"readings without their fuel entry",
         "SELECT count(*) FROM odometerlog WHERE odometerlog_parent_type = 2 AND "
         "odometerlog_parent_id NOT IN (SELECT fuellog_id FROM fuellog)"},
        {"rows of deleted vehicles",
         "SELECT (SELECT count(*) FROM fuellog WHERE fuellog_vehicle_id NOT IN (SELECT vehicle_id FROM vehicle))"
         " + (SELECT count(*) FROM odometerlog WHERE odometerlog_vehicle_id NOT IN (SELECT vehicle_id FROM vehicle))"},
        {"half-written fuel entries",
         "SELECT count(*) FROM fuellog WHERE fuellog_date = '' OR fuellog_odometer IS NULL "
         "OR fuellog_total_cost IS NULL OR fuellog_driver_id IS NULL"},
    };
    for (const auto &check : checks) {
        const QVariant count = scalar(QLatin1String(check.second));
        if (count.toString() != QLatin1String("0"))
            faults << QStringLiteral("%1: %2").arg(QLatin1String(check.first), count.toString());
    }
    if (!faults.isEmpty()) {
        std::printf("FAULT %s\n", qUtf8Printable(faults.join(QStringLiteral("; "))));
        return 1;
    }
    std::printf("ok vehicles=%d fuel=%d readings=%d\n", scalar(QStringLiteral("SELECT count(*) FROM vehicle")).toInt(),
                scalar(QStringLiteral("SELECT count(*) FROM fuellog")).toInt(),
                scalar(QStringLiteral("SELECT count(*) FROM odometerlog")).toInt());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    CDatabase database(args.at(2));
    if (!database.isOpen()) {
        std::printf("FAULT cannot open: %s\n", qUtf8Printable(database.errorText()));
        return 1;
    }
    CSettings settings(&database);
    Storage::createVehicleTypeTable();
    Storage::createVehicleTables();
    return args.at(1) == QLatin1String("work") ? work() : check();
}
