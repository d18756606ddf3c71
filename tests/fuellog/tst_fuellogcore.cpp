#include "../database/testdatabase.h"
#include "fueltestdata.h"
#include "testsupport.h"

#include "database/odometerlog.h"
#include "database/tablefuellog.h"
#include "database/tablevehicle.h"
#include "database/transaction.h"
#include "modules/vehicle/fuellog/fuelefficiency.h"

#include <QSignalSpy>

using namespace FuelTestData;

// Fuel entries without widgets: previous entry, efficiency, summary, the save
// with its odometer reading, number input and the vehicle cascade.
class TestFuelLogCore : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

private slots:
    void init()
    {
        db = new TestDatabase;
        prepare();
    }

    void cleanup()
    {
        delete db;
        resetCurrency();
    }

    void previousEntryIsDecidedByOdometerNeverByDate()
    {
        const CVehicle car = addVehicle(2);
        const CVehicle other = addVehicle(2);
        const auto add = [](const CVehicle &vehicle, int fuelType, int odometer, int year) {
            Entry entry{fuelType, odometer};
            entry.date = QDate(year, 5, 1);
            return addEntry(vehicle, entry);
        };
        // The highest reading is the oldest; the newest has the lowest.
        const int highest = add(car, 1, 3000, 2020);
        const int middle = add(car, 1, 2000, 2022);
        add(car, 1, 1000, 2024);
        // Higher readings of the other fuel and of another vehicle never count.
        add(car, 2, 9000, 2022);
        add(other, 1, 8000, 2022);

        QCOMPARE(CFuelLog::previousEntry(CFuelLog(), car.id(), 1).id(), highest);
        QCOMPARE(CFuelLog::previousEntry(CFuelLog(), car.id(), 2).odometer(), 9000);
        // A stored entry looks strictly below its own reading, in its own vehicle.
        QCOMPARE(CFuelLog::previousEntry(CFuelLog(highest), other.id(), 1).id(), middle);
        QCOMPARE(CFuelLog::previousEntry(CFuelLog(add(car, 1, 2000, 2022)), car.id(), 1).odometer(), 1000);
        QCOMPARE(CFuelLog::previousEntry(CFuelLog(), addVehicle(1).id(), 1).id(), 0);
    }

    void efficiency_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<int>("distance");
        QTest::addColumn<QString>("valueText");
        QTest::addColumn<QString>("typeText");

        QTest::newRow("per distance, km: 0.125 rounds half up")
            << 1 << 1 << 1 << 0.5 << 400 << "0.13 Litre / 100 km" << "Per Distance (Litre / 100 km)";
        QTest::newRow("per distance, miles")
            << 1 << 2 << 2 << 3.0 << 120 << "2.50 Gallon / 100 miles" << "Per Distance (Gallon / 100 miles)";
        QTest::newRow("per distance, hours: litres per hour")
            << 1 << 1 << 3 << 30.0 << 4 << "7.50 Litre / hour" << "Per Hour (Litre / hour)";
        QTest::newRow("per distance, unknown unit")
            << 1 << 1 << 7 << 10.0 << 100 << "10.00 Litre / 100 Unknown" << "Per Distance (Litre / 100 Unknown)";
        QTest::newRow("per quantity, km")
            << 2 << 1 << 1 << 30.0 << 400 << "13.33 km per Litre" << "Per Quantity (km per Litre)";
        QTest::newRow("per quantity, hours")
            << 2 << 1 << 3 << 20.0 << 5 << "0.25 hours per Litre" << "Per Quantity (hours per Litre)";
        QTest::newRow("quantity 0") << 1 << 1 << 1 << 0.0 << 400 << "0.00 Litre / 100 km"
                                    << "Per Distance (Litre / 100 km)";
        QTest::newRow("distance 0") << 2 << 1 << 1 << 30.0 << 0 << "0.00 km per Litre" << "Per Quantity (km per Litre)";
        QTest::newRow("mode not chosen: no unit") << 0 << 1 << 1 << 30.0 << 400 << "13.33 " << "";
    }

    void efficiency()
    {
        QFETCH(int, mode);
        QFETCH(int, volume);
        QFETCH(int, unit);
        QFETCH(double, quantity);
        QFETCH(int, distance);
        QFETCH(QString, valueText);
        QFETCH(QString, typeText);

        const CFuelEfficiency efficiency(mode, volume, unit, quantity, distance);
        QCOMPARE(efficiency.valueText(), valueText);
        QCOMPARE(efficiency.typeText(), typeText);
        QCOMPARE(efficiency.efficiencyValue(), valueText.section(QLatin1Char(' '), 0, 0).toDouble());
    }

    void summary_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");

        QTest::newRow("none") << 0 << "Diesel" << "None entries";
        QTest::newRow("one") << 1 << "Diesel: 6.53 Litre / 100 km"
                             << "1 entry | Distance: 400 km | Quantity: 26.1 Litres | Total Cost: $ 39.00";
        QTest::newRow("plural, sums without binary noise")
            << 3 << "Diesel: 6.53 Litre / 100 km"
            << "3 entries | Distance: 1200 km | Quantity: 78.3 Litres | Total Cost: $ 1,039.10";
    }

    void summary()
    {
        QFETCH(int, entries);
        QFETCH(QString, title);
        QFETCH(QString, text);

        const CVehicle car = addVehicle(2);
        for (int i = 0; i < entries; ++i)
            addEntry(car, 1, 1000 * (i + 1), 26.1, 400, i == 0 ? 39.0 : 500.05);
        // The other fuel and another vehicle stay out.
        addEntry(car, 2, 500, 99.0, 99, 99.0);
        const CVehicle other = addVehicle(1);
        addEntry(other, 1, 500, 99.0, 99, 99.0);

        const QList<CFuelLog> list = CFuelLog::listForVehicle(car.id()) + CFuelLog::listForVehicle(other.id());
        const FuelLogSummary summary = CFuelLog::summarize(list, 1, car.id());
        QCOMPARE(summary.count, entries);
        QCOMPARE(summary.titleText, title);
        QCOMPARE(summary.summaryText, text);
        QCOMPARE(CFuelLog::summarize(list, 1, 0).count, entries + 1);

        // The footers' aggregate query gives the same totals and texts, for
        // both fuels, whether a fuel has entries or none.
        const QList<FuelLogSummary> aggregated = CFuelLog::summarizeVehicle(car);
        const FuelLogSummary second = CFuelLog::summarize(list, 2, car.id());
        QCOMPARE(aggregated.at(0).summaryText, text);
        QCOMPARE(aggregated.at(0).titleText, title);
        QCOMPARE(aggregated.at(0).totalCost, summary.totalCost);
        QCOMPARE(aggregated.at(1).summaryText, second.summaryText);
        QCOMPARE(aggregated.at(1).titleText, second.titleText);
        QCOMPARE(CFuelLog::summarizeVehicle(other).at(1).summaryText, QStringLiteral("None entries"));
    }

    void aggregatedTotalsAreTheCentExactSumsOfTheRecords()
    {
        const CVehicle car = addVehicle(2);
        qint64 quantityCents[2] = {0, 0};
        qint64 totalCents[2] = {0, 0};
        CTransaction transaction;
        for (int i = 0; i < 301; ++i) {
            const int fuel = i % 3 == 0 ? 2 : 1;
            // Values whose binary sums drift: 0.07, 0.14, ... and 1.13, 2.26, ...
            addEntry(car, fuel, 100 * i, (i % 50) * 0.07 + 0.01, i, (i % 70) * 1.13 + 0.1);
            quantityCents[fuel - 1] += (i % 50) * 7 + 1;
            totalCents[fuel - 1] += (i % 70) * 113 + 10;
        }
        QVERIFY(transaction.commit());
        const QList<CFuelLog> list = CFuelLog::listForVehicle(car.id());
        const QList<FuelLogSummary> aggregated = CFuelLog::summarizeVehicle(car);
        for (int fuel = 1; fuel <= 2; ++fuel) {
            const FuelLogSummary &sum = aggregated.at(fuel - 1);
            const FuelLogSummary loaded = CFuelLog::summarize(list, fuel, car.id());
            QCOMPARE(sum.count, loaded.count);
            QCOMPARE(sum.distance, loaded.distance);
            QCOMPARE(sum.quantity, quantityCents[fuel - 1] / 100.0);
            QCOMPARE(sum.totalCost, totalCents[fuel - 1] / 100.0);
            QCOMPARE(loaded.quantity, sum.quantity);
            QCOMPARE(loaded.totalCost, sum.totalCost);
            QCOMPARE(sum.summaryText, loaded.summaryText);
        }
    }

    void saveWritesTheEntryAndItsReadingTogether()
    {
        const CVehicle car = addVehicle(2, 1, 1000);
        CFuelLog entry;
        entry.setAutoSave(false);
        entry.setDate(QDate(2024, 3, 2));
        entry.setOdometer(1500);
        entry.setFuelType(2);
        entry.setQuantity(32.5);
        entry.setDistance(500);
        entry.setTotalCost(24.38);
        entry.setDescription(QStringLiteral("100% 'full' tank \u00fc"));

        QString error;
        const int id = entry.saveWithReading(car, &error);
        QVERIFY2(id != 0, qPrintable(error));
        QCOMPARE(CFuelLog(id).efficiency(), 6.5);
        QCOMPARE(CFuelLog(id).description(), QStringLiteral("100% 'full' tank \u00fc"));
        const COdometerLog reading = COdometerLog::byParent(COdometerLog::FuelParent, id);
        QCOMPARE(reading.vehicleId(), car.id());
        QCOMPARE(reading.date(), QDate(2024, 3, 2));
        QCOMPARE(reading.odometer(), 1500);
        QCOMPARE(reading.description(), QStringLiteral("LPG: 32.50 litres | $ 24.38"));
        QCOMPARE(CVehicle(car.id()).odometerValue(), 1500);

        // An edit updates the one reading; the efficiency takes the mode in force.
        CSettings::instance()->setValue(QStringLiteral("fuel_efficiency"), 2);
        CFuelLog edited(id);
        edited.setOdometer(1600);
        QCOMPARE(edited.saveWithReading(car), id);
        QCOMPARE(CFuelLog(id).efficiency(), 15.38);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 1);
        QCOMPARE(COdometerLog::byParent(COdometerLog::FuelParent, id).odometer(), 1600);
    }

    void failedSaveWritesNothing_data()
    {
        QTest::addColumn<QString>("failingTable");
        QTest::newRow("the reading fails: no fuel entry either") << "odometerlog";
        QTest::newRow("the fuel entry fails: no reading either") << "fuellog";
    }

    void failedSaveWritesNothing()
    {
        QFETCH(QString, failingTable);
        const CVehicle car = addVehicle(1, 1, 100);
        QVERIFY(db->database->exec(
            QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'no'); END").arg(failingTable)));
        CFuelLog entry;
        entry.setAutoSave(false);
        entry.setFuelType(1);
        entry.setOdometer(900);

        QString error;
        QCOMPARE(entry.saveWithReading(car, &error), 0);
        QVERIFY(!error.isEmpty());
        QCOMPARE(entry.id(), 0);
        QCOMPARE(rows(QStringLiteral("fuellog")), 0);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 0);
        QCOMPARE(CVehicle(car.id()).odometerValue(), 100);

        // The same record saves as a new entry once the fault is gone.
        QVERIFY(db->database->exec(QStringLiteral("DROP TRIGGER refuse")));
        QVERIFY(entry.saveWithReading(car) != 0);
        QCOMPARE(rows(QStringLiteral("fuellog")), 1);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 1);
    }

    void savingAnEntryDeletedMeanwhileFails()
    {
        const CVehicle car = addVehicle(1);
        CFuelLog entry(addEntry(car, 1, 100));
        QVERIFY(CTableFuelLog::instance()->remove(entry.id()));
        QCOMPARE(entry.saveWithReading(car), 0);
        QCOMPARE(rows(QStringLiteral("fuellog")), 0);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 1);
    }

    // The newest entry deleted, a new one saved (SQLite gives it the same id):
    // every other reading stays where it was.
    void newEntryAfterDeletingTheNewestLeavesOtherReadings()
    {
        const CVehicle car = addVehicle(1);
        const CVehicle other = addVehicle(1);
        addEntry(car, 1, 1000);
        const int newest = addEntry(car, 1, 1500);
        const int reading = COdometerLog::byParent(COdometerLog::FuelParent, newest).id();

        QVERIFY(COdometerLog::removeRecord(CTableFuelLog::instance(), newest));
        QCOMPARE(addEntry(other, 1, 300), newest);
        const COdometerLog kept(reading);
        QCOMPARE(kept.vehicleId(), car.id());
        QCOMPARE(kept.odometer(), 1500);
        QVERIFY(COdometerLog::byParent(COdometerLog::FuelParent, newest).id() != reading);
        QCOMPARE(COdometerLog::byParent(COdometerLog::FuelParent, newest).odometer(), 300);
    }

    void deletingTheVehicleRemovesItsEntriesOneByOne()
    {
        const CVehicle car = addVehicle(2);
        const CVehicle other = addVehicle(2);
        for (int i = 0; i < 3; ++i)
            addEntry(car, 1 + i % 2, 100 * i);
        const int kept = addEntry(other, 1, 100);

        QSignalSpy deleted(CTableFuelLog::instance(), &CTable::deleted);
        QVERIFY(CTableVehicle::instance()->remove(car.id()));
        QCOMPARE(deleted.count(), 3);
        QCOMPARE(CFuelLog::listForVehicle(car.id()).size(), 0);
        QCOMPARE(CFuelLog::listForVehicle(other.id()).first().id(), kept);
    }
};

GARVO_TEST_GUILESS_MAIN(TestFuelLogCore)
#include "tst_fuellogcore.moc"
