// Times the fuel page of a vehicle with a long history (10,000 entries by
// default, or the count given as the first argument): opening the page, one
// footer update, a save through the dialog's save operation followed by the
// page's refresh, and a vehicle deletion's cascade seen by the open page.
// Each timing is the best of a few runs, printed in milliseconds.

#include "application/footerinfowidget.h"
#include "database/database.h"
#include "database/fuellog.h"
#include "database/settings.h"
#include "database/storage.h"
#include "database/tablefuellog.h"
#include "database/tablevehicle.h"
#include "database/transaction.h"
#include "database/vehicle.h"
#include "modules/vehicle/fuellog/fuellogcontent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

int addVehicle()
{
    CVehicle vehicle;
    vehicle.setAutoSave(false);
    vehicle.setName(QStringLiteral("Van"));
    vehicle.setOdometerType(1);
    vehicle.setFuelSystemType(2);
    vehicle.setFuelNameFirst(QStringLiteral("Diesel"));
    vehicle.setFuelNameSecond(QStringLiteral("LPG"));
    return vehicle.save(true);
}

void addEntries(int vehicleId, int count)
{
    CTransaction transaction;
    for (int i = 0; i < count; ++i) {
        CFuelLog entry;
        entry.setAutoSave(false);
        entry.setVehicleId(vehicleId);
        entry.setFuelType(1 + i % 2);
        entry.setOdometer(1000 + 400 * i);
        entry.setDate(QDate(2000, 1, 1).addDays(i));
        entry.setCostPerUnit(1.5);
        entry.setQuantity(30.0);
        entry.setDistance(800);
        entry.setTotalCost(45.0);
        entry.save(true);
    }
    transaction.commit();
}

double bestOf(int runs, const std::function<void()> &work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// Delivers the queued refresh of the page.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTemporaryDir folder;
    qputenv("HOME", folder.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());

    auto *database = new CDatabase(folder.filePath(QStringLiteral("garvo.db")));
    auto *settings = new CSettings(database);
    settings->setValue(QStringLiteral("fuel_efficiency"), 1);
    settings->setValue(QStringLiteral("volume_unit"), 1);
    Storage::createVehicleTypeTable();
    Storage::createVehicleTables();

    QTextStream out(stdout);
    CVehicle vehicle(addVehicle());
    addEntries(vehicle.id(), count);
    addEntries(addVehicle(), count / 10);
    out << "fuel entries of the vehicle: " << count << "\n";

    {
        CFuelLogContent page;
        page.setVehicle(&vehicle);
        out << "open the page (list and both footers): "
            << bestOf(5, [&] {
                   page.leave();
                   page.enter();
               })
            << " ms\n";
        out << "footer update: " << bestOf(5, [&] { page.slotUpdateSummary(); }) << " ms\n";
        int odometer = 1000 + 400 * count;
        out << "save one entry and refresh the open page: "
            << bestOf(5, [&] {
                   CFuelLog entry;
                   entry.setAutoSave(false);
                   entry.setFuelType(1);
                   entry.setOdometer(odometer += 400);
                   entry.setDate(QDate(2030, 1, 1));
                   entry.setCostPerUnit(1.5);
                   entry.setQuantity(30.0);
                   entry.setDistance(400);
                   entry.setTotalCost(45.0);
                   entry.saveWithReading(vehicle);
                   settle();
               })
            << " ms\n";
        out << "  footer: " << page.firstFooter()->subtitle() << "\n";

        QElapsedTimer timer;
        timer.start();
        CTableVehicle::instance()->remove(vehicle.id());
        settle();
        out << "delete the vehicle (cascade of " << count + 5 << " entries) with the page open: "
            << timer.nsecsElapsed() / 1e6 << " ms\n";
        out << "  footer: " << page.firstFooter()->subtitle() << "\n";
    }

    Storage::deleteVehicleTables();
    Storage::deleteVehicleTypeTable();
    delete settings;
    delete database;
    return 0;
}
