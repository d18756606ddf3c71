#include "../database/testdatabase.h"
#include "readings.h"
#include "testsupport.h"

#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableodometerlog.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/transaction.h"

#include <limits>

class TestOdometerLog : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    static int readingCount() { return CTableOdometerLog::instance()->count(); }

private slots:
    void init() { db = new TestDatabase; }
    void cleanup()
    {
        delete db;
        db = nullptr;
    }

    void estimatedOdometer_data()
    {
        QTest::addColumn<QList<QDate>>("dates");
        QTest::addColumn<QList<int>>("odometers");
        QTest::addColumn<QDate>("asked");
        QTest::addColumn<int>("expected");

        const QDate d(2023, 5, 1);
        const QList<QDate> tenDays{d, d.addDays(10)};
        QTest::newRow("no readings") << QList<QDate>{} << QList<int>{} << d << 0;
        QTest::newRow("halfway") << tenDays << QList<int>{1000, 2000} << d.addDays(5) << 1500;
        QTest::newRow("truncated") << QList<QDate>{d, d.addDays(3)} << QList<int>{1000, 1001} << d.addDays(2) << 1000;
        QTest::newRow("after the last") << tenDays << QList<int>{1000, 2000} << d.addDays(30) << 2000;
        QTest::newRow("before the first") << tenDays << QList<int>{1000, 2000} << d.addDays(-30) << 1000;
        QTest::newRow("two on the asked date: the higher")
            << QList<QDate>{d, d, d.addDays(10)} << QList<int>{1200, 1000, 2000} << d << 1200;
        QTest::newRow("lower later reading stays between") << tenDays << QList<int>{2000, 1000} << d.addDays(5) << 1500;
        QTest::newRow("undated readings ignored")
            << QList<QDate>{QDate(), d.addDays(10)} << QList<int>{5000, 2000} << d << 2000;
        QTest::newRow("huge span and distance without overflow")
            << QList<QDate>{QDate(1, 1, 1), QDate(9999, 12, 31)} << QList<int>{0, std::numeric_limits<int>::max()}
            << QDate(5000, 7, 2) << 1073741823;
    }

    void estimatedOdometer()
    {
        QFETCH(QList<QDate>, dates);
        QFETCH(QList<int>, odometers);
        QFETCH(QDate, asked);

        const int vehicleId = addVehicle(0);
        for (int i = 0; i < dates.size(); ++i)
            QVERIFY(addReading(vehicleId, dates.at(i), odometers.at(i)) != 0);
        // Another vehicle's readings around the date change nothing.
        const int otherId = addVehicle(0);
        QVERIFY(addReading(otherId, asked.addDays(-1), 7) && addReading(otherId, asked.addDays(1), 9));

        QTEST(COdometerLog::estimatedOdometer(asked, vehicleId), "expected");
    }

    void vehicleOdometerIsRaisedNeverLowered()
    {
        const int vehicleId = addVehicle(1000);
        QVERIFY(addReading(vehicleId, QDate(2023, 1, 1), 500));
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 1000);
        const int id = addReading(vehicleId, QDate(2023, 1, 2), 3000);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 3000);

        COdometerLog reading(id);
        reading.setAutoSave(false);
        reading.setOdometer(700);
        QCOMPARE(reading.save(false), id);
        QVERIFY(reading.remove());
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 3000);

        // No vehicle row: the reading is stored, no vehicle appears.
        QVERIFY(addReading(4711, QDate(2023, 1, 1), 100));
        QCOMPARE(CTableVehicle::instance()->count(), 1);
    }

    // Each failure returns 0 and leaves the reading and the vehicle as they were.
    void failedSavesWriteNothing()
    {
        const int vehicleId = addVehicle(10);
        QCOMPARE(addReading(vehicleId, QDate(2023, 1, 1), -5), 0);

        COdometerLog gone(addReading(vehicleId, QDate(2023, 1, 1), 20));
        QVERIFY(CTableOdometerLog::instance()->remove(gone.id()));
        gone.setAutoSave(false);
        gone.setOdometer(30);
        QCOMPARE(gone.save(false), 0);
        QCOMPARE(readingCount(), 0);

        // The reading used to stay stored when raising the vehicle failed.
        QVERIFY(db->database->exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE UPDATE ON vehicle BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        COdometerLog reading;
        reading.setVehicleId(vehicleId);
        reading.setOdometer(40);
        QCOMPARE(reading.save(true), 0);
        QCOMPARE(reading.id(), 0);

        // Inside a caller's transaction the failure makes its commit fail.
        CTransaction outer;
        QCOMPARE(COdometerLog::saveForParent(COdometerLog::FuelParent, 1, vehicleId, QDate(2023, 1, 1), 40), 0);
        QVERIFY(!outer.commit());
        QCOMPARE(readingCount(), 0);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 20);
    }

    void oneReadingPerParent()
    {
        const int vehicleId = addVehicle(0);
        const QDate day(2023, 3, 4);
        const COdometerLog unsaved = COdometerLog::byParent(COdometerLog::FuelParent, 7);
        QCOMPARE(unsaved.id(), 0);
        QCOMPARE(unsaved.parentId(), 7);

        const int first = COdometerLog::saveForParent(COdometerLog::FuelParent, 7, vehicleId, day, 100,
                                                      QStringLiteral("it's 100%"));
        QVERIFY(first != 0);
        QCOMPARE(COdometerLog::saveForParent(COdometerLog::FuelParent, 7, vehicleId, day, 150), first);
        QCOMPARE(COdometerLog::byParent(COdometerLog::FuelParent, 7).odometer(), 150);
        // Same parent id, other kind: a reading of its own.
        QVERIFY(COdometerLog::saveForParent(COdometerLog::NoteParent, 7, vehicleId, day, 120) != first);
        QCOMPARE(readingCount(), 2);

        // A reading deleted from the list comes back on the parent's next save.
        QVERIFY(CTableOdometerLog::instance()->remove(first));
        QVERIFY(COdometerLog::saveForParent(COdometerLog::FuelParent, 7, vehicleId, day, 160) != 0);
        QCOMPARE(readingCount(), 2);

        // An entry without an id, or a kind without a parent table, gets none.
        QCOMPARE(COdometerLog::saveForParent(COdometerLog::FuelParent, 0, vehicleId, day, 10), 0);
        QCOMPARE(COdometerLog::saveForParent(COdometerLog::VehicleParent, 5, vehicleId, day, 10), 0);
        QCOMPARE(readingCount(), 2);
    }

    // Every record kind with a reading: deleting the record keeps the reading
    // as one entered by hand, so the next row that gets the same id does not
    // take it over; a failed delete changes nothing.
    void deletedRecordLeavesItsReadingDetached()
    {
        const int vehicleId = addVehicle(0);
        const QDate day(2023, 3, 4);
        const struct
        {
            int kind;
            CTable *table;
        } kinds[] = {{COdometerLog::FuelParent, CTableFuelLog::instance()},
                     {COdometerLog::ServiceParent, CTableSession::instance()},
                     {COdometerLog::ExpenseParent, CTableExpense::instance()},
                     {COdometerLog::NoteParent, CTableNote::instance()}};
        for (const auto &kind : kinds) {
            const QStringList vehicleColumn{kind.table->column(1)};
            const int parentId = kind.table->insert({vehicleId}, vehicleColumn);
            const int readingId = COdometerLog::saveForParent(kind.kind, parentId, vehicleId, day, 100 + kind.kind,
                                                              QStringLiteral("kept"));
            QVERIFY(readingId != 0);

            QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON %1 BEGIN "
                                                      "SELECT RAISE(ABORT, 'no'); END")
                                           .arg(kind.table->tableName())));
            QVERIFY(!COdometerLog::removeParent(kind.kind, parentId));
            QCOMPARE(COdometerLog::byParent(kind.kind, parentId).id(), readingId);
            QVERIFY(db->database->exec(QStringLiteral("DROP TRIGGER refuse")));

            QVERIFY(COdometerLog::removeParent(kind.kind, parentId));
            QVERIFY(!kind.table->exists(parentId));
            const COdometerLog detached(readingId);
            QCOMPARE(detached.parentType(), int(COdometerLog::VehicleParent));
            QCOMPARE(detached.parentId(), 0);
            QCOMPARE(detached.odometer(), 100 + kind.kind);
            QCOMPARE(detached.description(), QStringLiteral("kept"));

            // The reused id starts without a reading.
            QCOMPARE(kind.table->insert({addVehicle(0)}, vehicleColumn), parentId);
            QCOMPARE(COdometerLog::byParent(kind.kind, parentId).id(), 0);
        }
        QVERIFY(!COdometerLog::removeParent(COdometerLog::VehicleParent, 1));
    }

    void deletingVehicleRemovesItsReadingsOneSignalEach()
    {
        const int vehicleId = addVehicle(0);
        const QList<int> ids{addReading(vehicleId, QDate(2023, 1, 1), 1), addReading(vehicleId, QDate(2023, 1, 2), 2)};
        const int kept = addReading(addVehicle(0), QDate(2023, 1, 1), 5);

        QSignalSpy deleted(CTableOdometerLog::instance(), &CTable::deleted);
        QVERIFY(CTableVehicle::instance()->removeVehicle(vehicleId));
        QCOMPARE(deleted.size(), 2);
        QCOMPARE((QList<int>{deleted.at(0).at(0).toInt(), deleted.at(1).at(0).toInt()}), ids);
        QCOMPARE(CTableOdometerLog::instance()->ids(), QList<int>{kept});
    }
};

GARVO_TEST_GUILESS_MAIN(TestOdometerLog)
#include "tst_odometerlog.moc"
