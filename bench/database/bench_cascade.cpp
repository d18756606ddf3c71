// Times deleting one vehicle with its dependent rows through the cascade
// slots inside one transaction, for growing row counts. A second vehicle
// with as many rows stays in the tables, so the slots have to pick the
// doomed rows out of a mixed table.

#include "database/database.h"
#include "database/settings.h"
#include "database/storage.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableodometerlog.h"
#include "database/tableserviceitem.h"
#include "database/tableserviceschedule.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/tablevehicletype.h"
#include "database/transaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// Rows per vehicle: a fifth each for odometer and fuel log, a tenth each for
// sessions, schedules, notes and expenses, and the rest as service items.
int addVehicle(int rows)
{
    CTableVehicle *vehicles = CTableVehicle::instance();
    const int vehicleId = vehicles->insert({QStringLiteral("car")}, {vehicles->column(CTableVehicle::Name)});
    const auto fill = [vehicleId](CTable *table, int count) {
        for (int i = 0; i < count; ++i)
            table->insert({vehicleId, QStringLiteral("row %1").arg(i)},
                          {table->column(1), table->column(table->columns().size() - 1)});
    };
    fill(CTableOdometerLog::instance(), rows / 5);
    fill(CTableFuelLog::instance(), rows / 5);
    fill(CTableServiceSchedule::instance(), rows / 10);
    fill(CTableNote::instance(), rows / 10);
    fill(CTableExpense::instance(), rows / 10);
    CTableSession *sessions = CTableSession::instance();
    CTableServiceItem *items = CTableServiceItem::instance();
    const int sessionCount = rows / 10;
    const int itemCount = rows - 2 * (rows / 5) - 4 * (rows / 10);
    for (int i = 0; i < sessionCount; ++i) {
        const int sessionId = sessions->insert({vehicleId}, {sessions->column(CTableSession::VehicleId)});
        for (int j = i; j < itemCount; j += sessionCount)
            items->insert({sessionId}, {items->column(CTableServiceItem::ServiceLogId)});
    }
    return vehicleId;
}

int dependentRows()
{
    int rows = 0;
    for (CTable *table : QList<CTable *>{CTableOdometerLog::instance(), CTableFuelLog::instance(),
                                         CTableSession::instance(), CTableServiceItem::instance(),
                                         CTableServiceSchedule::instance(), CTableNote::instance(),
                                         CTableExpense::instance()})
        rows += table->count();
    return rows;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;

    for (int rows : {2500, 5000, 10000}) {
        const QString path = folder.filePath(QStringLiteral("bench-%1.db").arg(rows));
        auto *database = new CDatabase(path);
        auto *settings = new CSettings(database);
        Storage::createVehicleTypeTable();
        Storage::createVehicleTables();

        int doomed = 0;
        {
            CTransaction transaction(database);
            doomed = addVehicle(rows);
            addVehicle(rows);
            transaction.commit();
        }
        const int before = dependentRows();

        QElapsedTimer timer;
        timer.start();
        bool committed = false;
        {
            CTransaction transaction(database);
            CTableVehicle::instance()->remove(doomed);
            committed = transaction.commit();
        }
        const qint64 elapsed = timer.elapsed();

        out << QStringLiteral("cascade delete of %1 dependent rows (of %2): %3 ms, %4 rows left, %5\n")
                   .arg(before - dependentRows())
                   .arg(before)
                   .arg(elapsed)
                   .arg(dependentRows())
                   .arg(committed ? QStringLiteral("committed") : QStringLiteral("NOT committed"));
        out.flush();

        Storage::deleteVehicleTables();
        Storage::deleteVehicleTypeTable();
        delete settings;
        delete database;
    }
    return 0;
}
