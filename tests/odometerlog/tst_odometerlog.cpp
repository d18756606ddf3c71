#include "../database/testdatabase.h"
#include "readings.h"
#include "testsupport.h"

#include "database/odometerlog.h"
#include "database/tableodometerlog.h"
#include "database/tablevehicle.h"
#include "database/transaction.h"
#include "database/vehicle.h"

#include <limits>

namespace {

int readingCount(const QString &where = QString(), const QVariantList &bindings = QVariantList())
{
    return CTableOdometerLog::instance()->count(where, bindings);
}

} // namespace

class TestOdometerLog : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

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
        QTest::newRow("no readings") << QList<QDate>{} << QList<int>{} << d << 0;
        QTest::newRow("halfway between two readings")
            << QList<QDate>{d, d.addDays(10)} << QList<int>{1000, 2000} << d.addDays(5) << 1500;
        QTest::newRow("truncated toward zero")
            << QList<QDate>{d, d.addDays(3)} << QList<int>{1000, 1001} << d.addDays(2) << 1000;
        QTest::newRow("after the last reading")
            << QList<QDate>{d, d.addDays(10)} << QList<int>{1000, 2000} << d.addDays(30) << 2000;
        QTest::newRow("before the first reading")
            << QList<QDate>{d, d.addDays(10)} << QList<int>{1000, 2000} << d.addDays(-30) << 1000;
        QTest::newRow("on a reading's date")
            << QList<QDate>{d, d.addDays(10), d.addDays(20)} << QList<int>{1000, 2000, 3000}
            << d.addDays(10) << 2000;
        QTest::newRow("two readings on the asked date take the higher")
            << QList<QDate>{d, d, d.addDays(10)} << QList<int>{1200, 1000, 2000} << d << 1200;
        QTest::newRow("two readings on the later date")
            << QList<QDate>{d, d.addDays(10), d.addDays(10)} << QList<int>{1000, 2000, 3000}
            << d.addDays(5) << 1500;
        QTest::newRow("a lower later reading stays between the two")
            << QList<QDate>{d, d.addDays(10)} << QList<int>{2000, 1000} << d.addDays(5) << 1500;
        QTest::newRow("undated readings are ignored")
            << QList<QDate>{QDate(), d.addDays(10)} << QList<int>{5000, 2000} << d << 2000;
        QTest::newRow("huge span and distance without overflow")
            << QList<QDate>{QDate(1, 1, 1), QDate(9999, 12, 31)}
            << QList<int>{0, std::numeric_limits<int>::max()} << QDate(5000, 7, 2) << 1073741823;
    }

    void estimatedOdometer()
    {
        QFETCH(QList<QDate>, dates);
        QFETCH(QList<int>, odometers);
        QFETCH(QDate, asked);
        QFETCH(int, expected);

        const int vehicleId = addVehicle(0);
        const int otherId = addVehicle(0);
        for (int i = 0; i < dates.size(); ++i)
            QVERIFY(addReading(vehicleId, dates.at(i), odometers.at(i)) != 0);
        // Another vehicle's readings around the date change nothing.
        QVERIFY(addReading(otherId, asked.addDays(-1), 7) != 0);
        QVERIFY(addReading(otherId, asked.addDays(1), 9) != 0);

        QCOMPARE(COdometerLog::estimatedOdometer(asked, vehicleId), expected);
    }

    void saveRaisesVehicleOdometerButNeverLowersIt_data()
    {
        QTest::addColumn<int>("reading");
        QTest::addColumn<int>("expected");
        QTest::newRow("higher reading raises") << 1001 << 1001;
        QTest::newRow("equal reading keeps") << 1000 << 1000;
        QTest::newRow("lower reading keeps") << 500 << 1000;
    }

    void saveRaisesVehicleOdometerButNeverLowersIt()
    {
        QFETCH(int, reading);
        QFETCH(int, expected);
        const int vehicleId = addVehicle(1000);
        QVERIFY(addReading(vehicleId, QDate(2023, 1, 1), reading) != 0);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), expected);
    }

    void editingAndDeletingReadingsNeverLowersVehicleOdometer()
    {
        const int vehicleId = addVehicle(1000);
        const int id = addReading(vehicleId, QDate(2023, 1, 1), 3000);
        COdometerLog reading(id);
        reading.setAutoSave(false);
        reading.setOdometer(500);
        QCOMPARE(reading.save(false), id);
        QCOMPARE(COdometerLog(id).odometer(), 500);
        QVERIFY(reading.remove());
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 3000);
    }

    void readingOfMissingVehicleWritesNoVehicle()
    {
        QVERIFY(addReading(4711, QDate(2023, 1, 1), 100) != 0);
        QCOMPARE(CTableVehicle::instance()->count(), 0);
    }

    void negativeReadingIsRefused()
    {
        const int vehicleId = addVehicle(10);
        QCOMPARE(addReading(vehicleId, QDate(2023, 1, 1), -5), 0);
        QCOMPARE(readingCount(), 0);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 10);
    }

    void savingReadingWhoseRowIsGoneReportsFailure()
    {
        const int vehicleId = addVehicle(10);
        COdometerLog reading(addReading(vehicleId, QDate(2023, 1, 1), 20));
        QVERIFY(CTableOdometerLog::instance()->remove(reading.id()));
        reading.setAutoSave(false);
        reading.setOdometer(30);
        QCOMPARE(reading.save(false), 0);
        QCOMPARE(readingCount(), 0);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 20);
    }

    // The reading used to stay stored (and report success) when raising the
    // vehicle's value failed.
    void failedVehicleUpdateRollsBackReading()
    {
        const int vehicleId = addVehicle(10);
        QVERIFY(db->database->exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE UPDATE ON vehicle BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        COdometerLog reading;
        reading.setVehicleId(vehicleId);
        reading.setOdometer(20);
        QCOMPARE(reading.save(true), 0);
        QCOMPARE(reading.id(), 0);
        QCOMPARE(readingCount(), 0);

        // Inside a caller's transaction the failure makes the commit fail.
        CTransaction outer;
        QCOMPARE(COdometerLog::saveForParent(COdometerLog::FuelParent, 1, vehicleId, QDate(2023, 1, 1), 20), 0);
        QVERIFY(!outer.commit());
        QCOMPARE(readingCount(), 0);
    }

    void oneReadingPerParentAfterRepeatedSaves()
    {
        const int vehicleId = addVehicle(0);
        const QDate day(2023, 3, 4);
        const int first = COdometerLog::saveForParent(COdometerLog::FuelParent, 7, vehicleId, day, 100,
                                                      QStringLiteral("it's 100%"));
        QVERIFY(first != 0);
        QCOMPARE(COdometerLog::saveForParent(COdometerLog::FuelParent, 7, vehicleId, day, 150), first);
        // Same parent id, other kind: a reading of its own.
        const int note = COdometerLog::saveForParent(COdometerLog::NoteParent, 7, vehicleId, day, 120);
        QVERIFY(note != 0 && note != first);

        QCOMPARE(readingCount(), 2);
        const COdometerLog fuel = COdometerLog::byParent(COdometerLog::FuelParent, 7);
        QCOMPARE(fuel.id(), first);
        QCOMPARE(fuel.odometer(), 150);
        QCOMPARE(CVehicle(vehicleId).odometerValue(), 150);

        // A reading deleted from the list comes back on the parent's next save.
        QVERIFY(CTableOdometerLog::instance()->remove(first));
        const int again = COdometerLog::saveForParent(COdometerLog::FuelParent, 7, vehicleId, day, 160);
        QVERIFY(again != 0);
        QCOMPARE(readingCount(), 2);
    }

    void byParentWithoutReadingIsUnsavedAndBound()
    {
        const COdometerLog reading = COdometerLog::byParent(COdometerLog::ExpenseParent, 3);
        QCOMPARE(reading.id(), 0);
        QCOMPARE(reading.parentType(), int(COdometerLog::ExpenseParent));
        QCOMPARE(reading.parentId(), 3);
        QCOMPARE(readingCount(), 0);
    }

    void saveForParentRefusesEntryWithoutId()
    {
        const int vehicleId = addVehicle(0);
        QCOMPARE(COdometerLog::saveForParent(COdometerLog::FuelParent, 0, vehicleId, QDate(2023, 1, 1), 10), 0);
        QCOMPARE(COdometerLog::saveForParent(COdometerLog::VehicleParent, 5, vehicleId, QDate(2023, 1, 1), 10), 0);
        QCOMPARE(readingCount(), 0);
    }

    void deletingVehicleRemovesItsReadingsOneSignalEach()
    {
        const int vehicleId = addVehicle(0);
        const int otherId = addVehicle(0);
        QList<int> ids;
        for (int i = 0; i < 3; ++i)
            ids << addReading(vehicleId, QDate(2023, 1, 1 + i), 10 * i);
        const int kept = addReading(otherId, QDate(2023, 1, 1), 5);

        QSignalSpy deleted(CTableOdometerLog::instance(), &CTable::deleted);
        QVERIFY(CTableVehicle::instance()->removeVehicle(vehicleId));
        QList<int> removed;
        for (const QList<QVariant> &arguments : qAsConst(deleted))
            removed << arguments.at(0).toInt();
        std::sort(removed.begin(), removed.end());
        QCOMPARE(removed, ids);
        QCOMPARE(CTableOdometerLog::instance()->ids(), QList<int>{kept});
    }
};

GARVO_TEST_GUILESS_MAIN(TestOdometerLog)
#include "tst_odometerlog.moc"
