#include "../database/testdatabase.h"
#include "fueltestdata.h"
#include "testsupport.h"

#include "database/fuellog.h"
#include "database/odometerlog.h"
#include "database/tablefuellog.h"
#include "database/tableodometerlog.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "modules/options/units.h"
#include "modules/vehicle/fuellog/fuelefficiency.h"
#include "modules/vehicle/fuellog/fuelnumber.h"

#include <QSignalSpy>

using namespace FuelTestData;

namespace {

// An entry of the given date.
int addDated(const CVehicle &vehicle, int fuelType, int odometer, const QDate &date)
{
    Entry values;
    values.fuelType = fuelType;
    values.odometer = odometer;
    values.date = date;
    return addEntry(vehicle, values);
}

} // namespace

// Fuel entries: previous entry, efficiency, summary, the save with its
// odometer reading, number input and the vehicle cascade.
class TestFuelLogCore : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    int rows(const QString &table)
    {
        return db->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        resetCurrency();
        setUnits(1, 1);
    }

    void cleanup()
    {
        delete db;
        db = nullptr;
        resetCurrency();
    }

    void previousEntryIsDecidedByOdometerNeverByDate()
    {
        const CVehicle car = addVehicle(2);
        const CVehicle other = addVehicle(2);
        const QDate day(2024, 5, 1);
        // The highest reading carries the oldest date; the newest date has a
        // lower reading.
        const int highest = addDated(car, 1, 3000, day.addYears(-2));
        const int middle = addDated(car, 1, 2000, day);
        addDated(car, 1, 1000, day.addYears(1));
        // Higher readings of the other fuel and of another vehicle never count.
        addDated(car, 2, 9000, day);
        addDated(other, 1, 8000, day);

        QCOMPARE(CFuelLog::previousEntry(CFuelLog(), car.id(), 1).id(), highest);
        // An edited entry looks strictly below its own reading, in its own vehicle.
        QCOMPARE(CFuelLog::previousEntry(CFuelLog(highest), other.id(), 1).id(), middle);
        const int tie = addDated(car, 1, 2000, day);
        QCOMPARE(CFuelLog::previousEntry(CFuelLog(tie), car.id(), 1).odometer(), 1000);
        QCOMPARE(CFuelLog::previousEntry(CFuelLog(), car.id(), 2).odometer(), 9000);
        // None: a fresh entry.
        const CFuelLog none = CFuelLog::previousEntry(CFuelLog(), addVehicle(2).id(), 1);
        QCOMPARE(none.id(), 0);
        QCOMPARE(none.odometer(), 0);
    }

    void efficiency_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<int>("distance");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("unitText");
        QTest::addColumn<QString>("typeText");

        QTest::newRow("per distance, km, 0.125 rounds half up")
            << 1 << 1 << 1 << 0.5 << 400 << 0.13 << "Litre / 100 km" << "Per Distance (Litre / 100 km)";
        QTest::newRow("per distance, miles, gallons")
            << 1 << 2 << 2 << 3.0 << 120 << 2.5 << "Gallon / 100 miles" << "Per Distance (Gallon / 100 miles)";
        QTest::newRow("per distance, hours: litres per hour")
            << 1 << 1 << 3 << 30.0 << 4 << 7.5 << "Litre / hour" << "Per Hour (Litre / hour)";
        QTest::newRow("per distance, unknown unit")
            << 1 << 1 << 7 << 10.0 << 100 << 10.0 << "Litre / 100 Unknown" << "Per Distance (Litre / 100 Unknown)";
        QTest::newRow("per quantity, km")
            << 2 << 1 << 1 << 30.0 << 400 << 13.33 << "km per Litre" << "Per Quantity (km per Litre)";
        QTest::newRow("per quantity, miles")
            << 2 << 2 << 2 << 10.0 << 300 << 30.0 << "miles per Gallon" << "Per Quantity (miles per Gallon)";
        QTest::newRow("per quantity, hours")
            << 2 << 1 << 3 << 20.0 << 5 << 0.25 << "hours per Litre" << "Per Quantity (hours per Litre)";
        QTest::newRow("quantity 0 gives 0") << 1 << 1 << 1 << 0.0 << 400 << 0.0 << "Litre / 100 km"
                                            << "Per Distance (Litre / 100 km)";
        QTest::newRow("distance 0 gives 0") << 2 << 1 << 1 << 30.0 << 0 << 0.0 << "km per Litre"
                                            << "Per Quantity (km per Litre)";
        QTest::newRow("mode not chosen: no texts") << 0 << 1 << 1 << 30.0 << 400 << 13.33 << "" << "";
    }

    void efficiency()
    {
        QFETCH(int, mode);
        QFETCH(int, volume);
        QFETCH(int, unit);
        QFETCH(double, quantity);
        QFETCH(int, distance);
        QFETCH(double, value);
        QFETCH(QString, unitText);
        QFETCH(QString, typeText);

        const CFuelEfficiency efficiency(mode, volume, unit, quantity, distance);
        QCOMPARE(efficiency.efficiencyValue(), value);
        QCOMPARE(efficiency.unitText(), unitText);
        QCOMPARE(efficiency.typeText(), typeText);
        QCOMPARE(efficiency.valueText(), QStringLiteral("%1 %2").arg(QString::number(value, 'f', 2), unitText));
    }

    void fuelEfficiencyForTakesTheSettingsAndTheVehicleUnit()
    {
        setUnits(2, 2);
        const CFuelEfficiency efficiency = addVehicle(1, 2).fuelEfficiencyFor(300, 10.0);
        QCOMPARE(efficiency.valueText(), QStringLiteral("30.00 miles per Gallon"));
    }

    void summary_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");

        QTest::newRow("none") << 0 << "Diesel: 0 Litre / 100 km" << "None entries";
        QTest::newRow("one") << 1
                             << "Diesel: 6.5 Litre / 100 km"
                             << "1 entry | Distance: 400 km | Quantity: 26 Litre | Total Cost: $ 39.00";
        QTest::newRow("plural") << 3 << "Diesel: 6.5 Litre / 100 km"
                                << "3 entries | Distance: 1200 km | Quantity: 78 Litre | Total Cost: $ 1,170.00";
    }

    void summary()
    {
        QFETCH(int, entries);
        QFETCH(QString, title);
        QFETCH(QString, text);

        const CVehicle car = addVehicle(2);
        for (int i = 0; i < entries; ++i)
            addEntry(car, 1, 1000 * (i + 1), 26.0, 400, i == 0 ? 39.0 : 565.5);
        // Entries of the other fuel and of another vehicle stay out.
        addEntry(car, 2, 500, 99.0, 99, 99.0);
        const CVehicle other = addVehicle(2);
        addEntry(other, 1, 500, 99.0, 99, 99.0);

        QList<CFuelLog> list = CFuelLog::listForVehicle(car.id());
        list += CFuelLog::listForVehicle(other.id());
        const FuelLogSummary summary = CFuelLog::summarize(list, 1, car.id());
        QCOMPARE(summary.count, entries);
        QCOMPARE(summary.titleText, title);
        QCOMPARE(summary.summaryText, text);
    }

    void summaryOfTwoDecimalSumsHasNoBinaryNoise()
    {
        const CVehicle car = addVehicle(2);
        for (int i = 0; i < 3; ++i)
            addEntry(car, 2, 100 * i, 0.1, 1, 0.1);
        const FuelLogSummary summary = CFuelLog::summarize(CFuelLog::listForVehicle(car.id()), 2, car.id());
        QVERIFY2(summary.summaryText.contains(QStringLiteral("Quantity: 0.3 Litre")), qPrintable(summary.summaryText));
        QVERIFY2(summary.titleText.startsWith(QStringLiteral("LPG: ")), qPrintable(summary.titleText));
    }

    void summaryForEveryVehicleCountsThemAll()
    {
        addEntry(addVehicle(1), 1, 100);
        addEntry(addVehicle(1), 1, 100);
        QList<CFuelLog> all = CFuelLog::listForVehicle(1) + CFuelLog::listForVehicle(2);
        QCOMPARE(CFuelLog::summarize(all, 1, 0).count, 2);
    }

    void saveWritesTheEntryAndItsReadingTogether()
    {
        setUnits(1, 1);
        const CVehicle car = addVehicle(2, 1, 1000);
        CFuelLog entry;
        entry.setAutoSave(false);
        entry.setDate(QDate(2024, 3, 2));
        entry.setOdometer(1500);
        entry.setFuelType(2);
        entry.setCostPerUnit(0.75);
        entry.setQuantity(32.5);
        entry.setDistance(500);
        entry.setTotalCost(24.38);
        entry.setDescription(QStringLiteral("100% 'full' tank \u00fc"));

        QString error;
        const int id = entry.saveWithReading(car, &error);
        QVERIFY2(id != 0, qPrintable(error));
        const CFuelLog stored(id);
        QCOMPARE(stored.vehicleId(), car.id());
        QCOMPARE(stored.efficiency(), 6.5);
        QCOMPARE(stored.description(), QStringLiteral("100% 'full' tank \u00fc"));

        COdometerLog reading = COdometerLog::byParent(COdometerLog::FuelParent, id);
        QVERIFY(reading.id() != 0);
        QCOMPARE(reading.vehicleId(), car.id());
        QCOMPARE(reading.date(), QDate(2024, 3, 2));
        QCOMPARE(reading.odometer(), 1500);
        QCOMPARE(reading.description(), QStringLiteral("LPG: 32.50 litre | $ 24.38"));
        QCOMPARE(CVehicle(car.id()).odometerValue(), 1500);

        // Editing updates the one reading in place; the efficiency follows the
        // settings in force at the save.
        setUnits(2, 1);
        CFuelLog edited(id);
        edited.setOdometer(1600);
        QCOMPARE(edited.saveWithReading(car), id);
        QCOMPARE(CFuelLog(id).efficiency(), 15.38);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 1);
        QCOMPARE(COdometerLog::byParent(COdometerLog::FuelParent, id).odometer(), 1600);
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("failingTable");
        QTest::newRow("the reading fails: no fuel entry either") << "odometerlog";
        QTest::newRow("the fuel entry fails: no reading either") << "fuellog";
    }

    void failedSave()
    {
        QFETCH(QString, failingTable);
        const CVehicle car = addVehicle(1, 1, 100);
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 "
                                                  "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                                       .arg(failingTable)));
        CFuelLog entry;
        entry.setAutoSave(false);
        entry.setFuelType(1);
        entry.setOdometer(900);
        entry.setQuantity(10.0);

        QString error;
        QCOMPARE(entry.saveWithReading(car, &error), 0);
        QVERIFY(!error.isEmpty());
        QCOMPARE(entry.id(), 0);
        QCOMPARE(rows(QStringLiteral("fuellog")), 0);
        QCOMPARE(rows(QStringLiteral("odometerlog")), 0);
        QCOMPARE(CVehicle(car.id()).odometerValue(), 100);

        // Once the fault is gone the same record saves as a new entry.
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
        const int readings = rows(QStringLiteral("odometerlog"));
        QCOMPARE(entry.saveWithReading(car), 0);
        QCOMPARE(rows(QStringLiteral("fuellog")), 0);
        QCOMPARE(rows(QStringLiteral("odometerlog")), readings);
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("amountOk");
        QTest::addColumn<double>("amount");
        QTest::addColumn<bool>("countOk");
        QTest::addColumn<int>("count");

        QTest::newRow("integer") << "12345" << true << 12345.0 << true << 12345;
        QTest::newRow("decimal point") << "1.5" << true << 1.5 << false << 0;
        QTest::newRow("surrounding blanks") << " 7 " << true << 7.0 << true << 7;
        QTest::newRow("third decimal rounds half up") << "1.235" << true << 1.24 << false << 0;
        QTest::newRow("leading point") << ".5" << true << 0.5 << false << 0;
        QTest::newRow("trailing point") << "2." << true << 2.0 << false << 0;
        QTest::newRow("German decimal comma is refused") << "1,5" << false << 0.0 << false << 0;
        QTest::newRow("thousands separator is refused") << "12,345" << false << 0.0 << false << 0;
        QTest::newRow("negative is refused") << "-3" << false << 0.0 << false << 0;
        QTest::newRow("plus sign is refused") << "+3" << false << 0.0 << false << 0;
        QTest::newRow("exponent is refused") << "1e3" << false << 0.0 << false << 0;
        QTest::newRow("empty is refused") << "" << false << 0.0 << false << 0;
        QTest::newRow("letters are refused") << "abc" << false << 0.0 << false << 0;
        QTest::newRow("beyond int is refused as a count") << "3000000000" << true << 3e9 << false << 0;
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, amountOk);
        QFETCH(double, amount);
        QFETCH(bool, countOk);
        QFETCH(int, count);

        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German));
        const std::optional<double> parsedAmount = FuelNumber::amount(text);
        const std::optional<int> parsedCount = FuelNumber::count(text);
        QLocale::setDefault(saved);

        QCOMPARE(parsedAmount.has_value(), amountOk);
        if (amountOk)
            QCOMPARE(*parsedAmount, amount);
        QCOMPARE(parsedCount.has_value(), countOk);
        if (countOk)
            QCOMPARE(*parsedCount, count);
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
        QCOMPARE(CFuelLog::listForVehicle(other.id()).size(), 1);
        QCOMPARE(CFuelLog::listForVehicle(other.id()).first().id(), kept);
    }
};

GARVO_TEST_GUILESS_MAIN(TestFuelLogCore)
#include "tst_fuellogcore.moc"
