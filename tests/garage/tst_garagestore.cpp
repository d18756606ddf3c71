#include "../database/testdatabase.h"
#include "testsupport.h"

#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableodometerlog.h"
#include "database/tableserviceitem.h"
#include "database/tableserviceschedule.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"

#include <climits>

namespace {

QList<CTable *> dependentTables()
{
    return {CTableOdometerLog::instance(), CTableFuelLog::instance(), CTableSession::instance(),
            CTableServiceSchedule::instance(), CTableNote::instance(), CTableExpense::instance()};
}

QStringList namesOf(const QList<CVehicle> &vehicles)
{
    QStringList names;
    for (const CVehicle &vehicle : vehicles)
        names << vehicle.name();
    return names;
}

} // namespace

// The vehicle record's rules and the vehicle table's garage operations.
class TestGarageStore : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    int addVehicle(const QString &name, int order = 0, bool favorite = false)
    {
        CVehicle vehicle;
        vehicle.setName(name);
        vehicle.setOrder(order);
        vehicle.setFavorite(favorite);
        return vehicle.save();
    }

    // Two rows in every dependent table, two items per session.
    void addRecords(int vehicleId)
    {
        for (CTable *table : dependentTables()) {
            for (int i = 0; i < 2; ++i) {
                const int id = table->insert({vehicleId}, {table->column(1)});
                if (table == CTableSession::instance()) {
                    CTableServiceItem *items = CTableServiceItem::instance();
                    items->insert({id}, {items->column(CTableServiceItem::ServiceLogId)});
                    items->insert({id}, {items->column(CTableServiceItem::ServiceLogId)});
                }
            }
        }
    }

    int rowsOf(int vehicleId)
    {
        int rows = CTableVehicle::instance()->exists(vehicleId) ? 1 : 0;
        for (CTable *table : dependentTables())
            rows += table->count(QStringLiteral("%1 = ?").arg(table->column(1)), {vehicleId});
        rows += db->scalar(QStringLiteral("SELECT count(*) FROM service_item JOIN service_session "
                                          "ON service_item_service_log_id = service_session_id "
                                          "WHERE service_session_vehicle_id = ?"),
                           {vehicleId})
                    .toInt();
        return rows;
    }

private slots:
    void init() { db = new TestDatabase; }

    void cleanup()
    {
        delete db;
        db = nullptr;
    }

    void fuelSystemText_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("one fuel") << 1 << "Diesel";
        QTest::newRow("two fuels") << 2 << "Diesel and LPG";
        QTest::newRow("none") << 0 << "No Fuel System";
        QTest::newRow("unknown code") << 7 << "No Fuel System";
    }

    void fuelSystemText()
    {
        QFETCH(int, type);
        CVehicle vehicle;
        vehicle.setFuelSystemType(type);
        vehicle.setFuelNameFirst(QStringLiteral("Diesel"));
        vehicle.setFuelNameSecond(QStringLiteral("LPG"));
        QTEST(vehicle.fuelSystemText(), "text");
    }

    void odometerUnitText()
    {
        QStringList texts;
        CVehicle vehicle;
        for (int code : {1, 2, 3, 0, 4}) {
            vehicle.setOdometerType(code);
            texts << vehicle.odometerUnitText();
        }
        QCOMPARE(texts, QStringList({"km", "miles", "hours", "Unknown", "Unknown"}));
    }

    void listIsInGarageOrderFavouriteFlagFirst()
    {
        addVehicle(QStringLiteral("favourite"), 0, true);
        addVehicle(QStringLiteral("third"), 5);
        addVehicle(QStringLiteral("O'Neil's 100% \u00e9tude"), 1);
        addVehicle(QStringLiteral("last"), INT_MAX);
        addVehicle(QStringLiteral("second"), 2);

        QCOMPARE(namesOf(CVehicle::list()), QStringList({"O'Neil's 100% \u00e9tude", "second", "third", "last",
                                                         "favourite"}));
    }

    void renumberWritesPositionsOnce()
    {
        const int newest = addVehicle(QStringLiteral("new from the dialog"), INT_MAX);
        addVehicle(QStringLiteral("a"), 3);
        addVehicle(QStringLiteral("b"), 7);
        QList<CVehicle> vehicles = CVehicle::list();
        QCOMPARE(vehicles.last().id(), newest);

        QSignalSpy updates(CTableVehicle::instance(), &CTable::updated);
        QVERIFY(CTableVehicle::instance()->renumber(vehicles));
        QCOMPARE(db->scalar(QStringLiteral("SELECT group_concat(vehicle_order) FROM "
                                           "(SELECT vehicle_order FROM vehicle ORDER BY vehicle_id)"))
                     .toString(),
                 QStringLiteral("2,0,1"));
        QCOMPARE(vehicles.last().order(), 2);
        QVERIFY(!vehicles.last().isModified());
        // Positions only: no record was saved whole.
        QCOMPARE(updates.count(), 0);
    }

    void failedRenumberWritesNothing()
    {
        addVehicle(QStringLiteral("a"), 5);
        addVehicle(QStringLiteral("b"), 6);
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER no_six BEFORE UPDATE ON vehicle "
                                                  "WHEN CAST(new.vehicle_order AS integer) = 1 "
                                                  "BEGIN SELECT RAISE(ABORT, 'no'); END")));
        QList<CVehicle> vehicles = CVehicle::list();
        QVERIFY(!CTableVehicle::instance()->renumber(vehicles));
        QCOMPARE(db->scalar(QStringLiteral("SELECT group_concat(vehicle_order) FROM vehicle")).toString(),
                 QStringLiteral("5,6"));
        QCOMPARE(vehicles.first().order(), 5);
    }

    void removeVehicleTakesEveryDependentRow()
    {
        const int doomed = addVehicle(QStringLiteral("doomed"));
        const int kept = addVehicle(QStringLiteral("kept"));
        addRecords(doomed);
        addRecords(kept);
        QCOMPARE(rowsOf(doomed), 17);

        QVERIFY(CTableVehicle::instance()->removeVehicle(doomed));
        QCOMPARE(rowsOf(doomed), 0);
        QCOMPARE(rowsOf(kept), 17);
    }

    void failedCascadeLeavesEverythingInPlace_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("fuel log rows cannot be deleted") << "fuellog";
        QTest::newRow("service items cannot be deleted") << "service_item";
        QTest::newRow("expenses, the last table, cannot be deleted") << "expense";
    }

    void failedCascadeLeavesEverythingInPlace()
    {
        QFETCH(QString, table);
        const int doomed = addVehicle(QStringLiteral("doomed"));
        addVehicle(QStringLiteral("kept"));
        addRecords(doomed);
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER broken BEFORE DELETE ON %1 "
                                                  "BEGIN SELECT RAISE(ABORT, 'broken'); END")
                                       .arg(table)));

        QVERIFY(!CTableVehicle::instance()->removeVehicle(doomed));
        QCOMPARE(rowsOf(doomed), 17);
    }

    void droppedDependentTableLeavesEverythingInPlace()
    {
        const int doomed = addVehicle(QStringLiteral("doomed"));
        addRecords(doomed);
        QVERIFY(db->database->exec(QStringLiteral("DROP TABLE note")));

        QVERIFY(!CTableVehicle::instance()->removeVehicle(doomed));
        QVERIFY(CTableVehicle::instance()->exists(doomed));
        QCOMPARE(CTableFuelLog::instance()->count(), 2);
        QCOMPARE(CTableServiceItem::instance()->count(), 4);
    }
};

GARVO_TEST_GUILESS_MAIN(TestGarageStore)
#include "tst_garagestore.moc"
