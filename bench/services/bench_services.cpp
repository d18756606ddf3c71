// The services page of the heavy database's busiest vehicle: opening it, one
// session's details, and saving a session with five items while the page is
// open, each beside raw SQL answering the same question:
//
//     bench_services [--runs N] [--scale F]
//
// Every time is the median of N runs (default 7) in milliseconds.

#include "benchtiming.h"
#include "heavydatabase.h"

#include "database/database.h"
#include "database/session.h"
#include "database/settings.h"
#include "database/storage.h"
#include "database/transaction.h"
#include "database/vehicle.h"
#include "modules/vehicle/records/recorddetailswidget.h"
#include "modules/vehicle/records/recordtableview.h"
#include "modules/vehicle/service/servicecontent.h"

#include <QApplication>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QTextStream out(stdout);
int runs = 7;

void raw(const QString &sql, const QVariantList &bindings)
{
    QSqlQuery query;
    CDatabase::instance()->exec(query, sql, bindings);
    while (query.next())
        query.value(0);
}

void row(const QString &action, double ours, double rawTime)
{
    out << action.leftJustified(56) << QString::number(ours, 'f', 2).rightJustified(9)
        << QString::number(rawTime, 'f', 2).rightJustified(9) << "\n";
}

CSession newSession(int odometer, QList<CSession::EditedItem> &items)
{
    CSession session;
    session.setAutoSave(false);
    session.setDate(QDate(2030, 1, 1));
    session.setOdometer(odometer);
    items.clear();
    for (int n = 0; n < 5; ++n) {
        CServiceItem item;
        item.setAutoSave(false);
        item.setDescription(QStringLiteral("Item %1").arg(n));
        item.setCost(30.0);
        items.append({item, false});
    }
    return session;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    BenchTiming::useFolder(folder);
    QApplication app(argc, argv);
    double scale = 1.0;
    const QStringList arguments = app.arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("--runs"))
            runs = qMax(1, arguments.at(i + 1).toInt());
        else if (arguments.at(i) == QLatin1String("--scale"))
            scale = arguments.at(i + 1).toDouble();
    }

    const QString path = folder.filePath(QStringLiteral("heavy.db"));
    HeavyDatabase::Result generated;
    if (!HeavyDatabase::generate(path, HeavyDatabase::Scale().scaled(scale), 1, &generated)) {
        QTextStream(stderr) << "cannot generate: " << generated.error << "\n";
        return 1;
    }
    auto *database = new CDatabase(path);
    auto *settings = new CSettings(database);
    Storage::createVehicleTypeTable();
    Storage::createVehicleTables();

    CVehicle vehicle(generated.busiestVehicleId);
    const QVariantList bound = {vehicle.id()};
    QSqlQuery count;
    database->exec(count, QStringLiteral("SELECT COUNT(*) FROM service_session WHERE service_session_vehicle_id = ?"),
                   bound);
    out << "sessions of the vehicle: " << (count.next() ? count.value(0).toInt() : 0) << "; median of " << runs
        << " runs, ms\n"
        << QStringLiteral("action").leftJustified(56) << "     ours      raw\n";
    {
        CServiceContent page;
        page.resize(1024, 700);
        page.setVehicle(&vehicle);
        page.show();
        row(QStringLiteral("Open the page (list and first session's details)"),
            BenchTiming::median(runs, [&] {
                page.leave();
                page.enter();
                BenchTiming::settle();
            }),
            BenchTiming::median(runs, [&] {
                raw(QStringLiteral("SELECT * FROM service_session WHERE service_session_vehicle_id = ? "
                                   "ORDER BY service_session_odometer DESC LIMIT 256"),
                    bound);
            }));

        const QSqlRecord record = page.tableView()->recordModel()->record(0);
        row(QStringLiteral("Details of one session"),
            BenchTiming::median(runs, [&] { page.detailsWidget()->setRecord(record); }),
            BenchTiming::median(runs, [&] {
                raw(QStringLiteral("SELECT * FROM service_item WHERE service_item_service_log_id = ?"),
                    {record.value(0)});
            }));

        int odometer = vehicle.odometerValue();
        QList<CSession::EditedItem> items;
        const int loadsBefore = page.tableView()->loadCount();
        const double saved = BenchTiming::median(runs, [&] {
            newSession(odometer += 500, items).saveWithItems(vehicle.id(), items);
            BenchTiming::settle();
        });
        const int loads = page.tableView()->loadCount() - loadsBefore;
        row(QStringLiteral("Save a session of 5 items, page refreshed"), saved, BenchTiming::median(runs, [&] {
                CTransaction transaction;
                QSqlQuery insert;
                database->exec(insert,
                               QStringLiteral("INSERT INTO service_session (service_session_vehicle_id, "
                                              "service_session_date, service_session_odometer) VALUES (?, '2030-01-01', ?)"),
                               {vehicle.id(), odometer += 500});
                const QVariant id = insert.lastInsertId();
                for (int n = 0; n < 5; ++n)
                    database->exec(QStringLiteral("INSERT INTO service_item (service_item_service_log_id, "
                                                  "service_item_description, service_item_cost) VALUES (?, 'Item', '30.00')"),
                                   {id});
                transaction.commit();
                raw(QStringLiteral("SELECT * FROM service_session WHERE service_session_vehicle_id = ? "
                                   "ORDER BY service_session_odometer DESC LIMIT 256"),
                    bound);
            }));
        out << "  list loads per save: " << double(loads) / runs << "\n";
    }

    Storage::deleteVehicleTables();
    Storage::deleteVehicleTypeTable();
    delete settings;
    delete database;
    return 0;
}
