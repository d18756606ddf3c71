// Times the services page of a vehicle with 2,000 sessions of 5 items each
// (or the session count given as the first argument): opening the page,
// showing one session's details, saving a session with its items and
// reading followed by the page's refresh, and deleting the vehicle with the
// page open. Beside each, the raw SQL that answers the same question. Each
// timing is the best of a few runs, in milliseconds.

#include "database/database.h"
#include "database/session.h"
#include "database/settings.h"
#include "database/storage.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/transaction.h"
#include "database/vehicle.h"
#include "modules/vehicle/records/recorddetailswidget.h"
#include "modules/vehicle/records/recordtableview.h"
#include "modules/vehicle/service/servicecontent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlQueryModel>
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
    return vehicle.save(true);
}

void addSessions(CDatabase *database, int vehicleId, int count)
{
    CTransaction transaction(database);
    QSqlQuery session(database->database());
    session.prepare(QStringLiteral("INSERT INTO service_session (service_session_vehicle_id, service_session_date, "
                                   "service_session_odometer, service_session_description, "
                                   "service_session_total_cost, service_session_vendor_id) VALUES (?, ?, ?, ?, ?, 0)"));
    QSqlQuery item(database->database());
    item.prepare(QStringLiteral("INSERT INTO service_item (service_item_service_log_id, service_item_description, "
                                "service_item_cost) VALUES (?, ?, ?)"));
    for (int i = 0; i < count; ++i) {
        session.addBindValue(vehicleId);
        session.addBindValue(QDate(2000, 1, 1).addDays(3 * i).toString(Qt::ISODate));
        session.addBindValue(1000 + 500 * i);
        session.addBindValue(QStringLiteral("Visit %1").arg(i));
        session.addBindValue(QStringLiteral("150.00"));
        session.exec();
        const int id = session.lastInsertId().toInt();
        for (int n = 0; n < 5; ++n) {
            item.addBindValue(id);
            item.addBindValue(QStringLiteral("Item %1").arg(n));
            item.addBindValue(QStringLiteral("30.00"));
            item.exec();
        }
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

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

int rawRows(CDatabase *database, const QString &sql, const QVariantList &bindings)
{
    QSqlQuery query;
    database->exec(query, sql, bindings);
    int rows = 0;
    while (query.next())
        ++rows;
    return rows;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2000;
    QTemporaryDir folder;
    qputenv("HOME", folder.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());

    auto *database = new CDatabase(folder.filePath(QStringLiteral("garvo.db")));
    auto *settings = new CSettings(database);
    Storage::createVehicleTypeTable();
    Storage::createVehicleTables();

    QTextStream out(stdout);
    CVehicle vehicle(addVehicle());
    addSessions(database, vehicle.id(), count);
    addSessions(database, addVehicle(), count / 10);
    out << "sessions of the vehicle: " << count << ", 5 items each\n";

    {
        CServiceContent page;
        page.resize(1000, 600);
        page.setVehicle(&vehicle);
        page.show();
        out << "open the page (list and details of the first session): "
            << bestOf(5, [&] {
                   page.leave();
                   page.enter();
                   settle();
               })
            << " ms\n";
        out << "  raw SQL, the vehicle's sessions by odometer: "
            << bestOf(5, [&] {
                   rawRows(database,
                           QStringLiteral("SELECT * FROM service_session WHERE service_session_vehicle_id=? "
                                          "ORDER BY service_session_odometer DESC"),
                           {vehicle.id()});
               })
            << " ms\n";
        const QSqlRecord record = page.tableView()->recordModel()->record(0);
        out << "details of one session (its items in one query): "
            << bestOf(5, [&] { page.detailsWidget()->setRecord(record); }) << " ms\n";
        out << "  raw SQL, one session's items: "
            << bestOf(5, [&] {
                   rawRows(database, QStringLiteral("SELECT * FROM service_item WHERE service_item_service_log_id=?"),
                           {record.value(0)});
               })
            << " ms\n";
        int odometer = 1000 + 500 * count;
        out << "save one session with 5 items and refresh the open page: "
            << bestOf(5, [&] {
                   CSession session;
                   session.setAutoSave(false);
                   session.setDate(QDate(2030, 1, 1));
                   session.setOdometer(odometer += 500);
                   QList<CSession::EditedItem> items;
                   for (int n = 0; n < 5; ++n) {
                       CServiceItem item;
                       item.setAutoSave(false);
                       item.setDescription(QStringLiteral("Item %1").arg(n));
                       item.setCost(30.0);
                       items.append({item, false});
                   }
                   session.saveWithItems(vehicle.id(), items);
                   settle();
               })
            << " ms\n";
        out << "  list loads so far: " << page.tableView()->loadCount() << "\n";

        QElapsedTimer timer;
        timer.start();
        CTableVehicle::instance()->removeVehicle(vehicle.id());
        settle();
        out << "delete the vehicle (" << count + 5 << " sessions, their items and readings) with the page open: "
            << timer.nsecsElapsed() / 1e6 << " ms\n";
    }

    Storage::deleteVehicleTables();
    Storage::deleteVehicleTypeTable();
    delete settings;
    delete database;
    return 0;
}
