#include "../database/testdatabase.h"
#include "testrecords.h"
#include "testsupport.h"

#include "database/odometerlog.h"
#include "database/vehicle.h"
#include "modules/vehicle/wizard/fuelsystem.h"
#include "modules/vehicle/wizard/newvehicle.h"
#include "utility/clock.h"

using TestRecords::rows;

// The wizard's value types and the operation that stores a new vehicle.
class TestNewVehicle : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    static CNewVehicle sample()
    {
        CNewVehicle vehicle;
        vehicle.name = QStringLiteral("Fiat 'Punto' 100% – Ünïcødé");
        vehicle.date = QDate(2001, 6, 15);
        vehicle.typeId = 3;
        vehicle.licensePlate = QStringLiteral("ZG-1234'; DROP TABLE vehicle; --");
        vehicle.registrationExpirationDate = QDate(2025, 1, 31);
        vehicle.odometerType = COdometerUnit::Miles;
        vehicle.odometerValue = 12345678;
        vehicle.fuelSystem = CFuelSystem(CFuelSystem::Double, QStringLiteral("Gasoline"), QStringLiteral("Holzgas"));
        vehicle.description = QStringLiteral("line one\nline two");
        return vehicle;
    }

private slots:
    void init() { db = new TestDatabase; }

    void cleanup()
    {
        delete db;
        db = nullptr;
        Utility::Clock::reset();
    }

    void fuelSystemTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("codeText");
        QTest::addColumn<QString>("displayText");
        QTest::newRow("none") << 0 << "none" << "No Fuel System";
        QTest::newRow("single shows the first name") << 1 << "single" << "Single (Diesel)";
        QTest::newRow("double shows both names") << 2 << "double" << "Double (Diesel | LPG)";
        QTest::newRow("unknown type") << 7 << "" << "No Fuel System";
    }

    void fuelSystemTexts()
    {
        QFETCH(int, type);
        const CFuelSystem system(type, QStringLiteral("Diesel"), QStringLiteral("LPG"));
        QFETCH(QString, codeText);
        QCOMPARE(system.codeText(), codeText);
        QFETCH(QString, displayText);
        QCOMPARE(system.displayText(), displayText);
    }

    void saveWritesTheVehicleAndOneStartingReadingDatedToday()
    {
        Utility::Clock::setToday(QDate(2024, 3, 31));
        const CNewVehicle values = sample();
        const int id = values.save();
        QVERIFY(id > 0);
        QCOMPARE(rows("vehicle"), 1);
        QCOMPARE(rows("odometerlog"), 1);

        const CVehicle vehicle(id);
        QCOMPARE(vehicle.name(), values.name);
        QCOMPARE(vehicle.licensePlate(), values.licensePlate);
        QCOMPARE(vehicle.odometerValue(), 12345678);
        QCOMPARE(vehicle.fuelNameFirst(), QStringLiteral("Gasoline"));
        QCOMPARE(vehicle.fuelNameSecond(), QStringLiteral("Holzgas"));
        QCOMPARE(vehicle.description(), values.description);

        const COdometerLog reading(db->scalar(QStringLiteral("SELECT odometerlog_id FROM odometerlog")).toInt());
        QCOMPARE(reading.vehicleId(), id);
        QCOMPARE(reading.parentType(), 1);
        QCOMPARE(reading.parentId(), 0);
        QCOMPARE(reading.date(), QDate(2024, 3, 31));
        QCOMPARE(reading.odometer(), 12345678);
        QCOMPARE(reading.description(), QStringLiteral("Starting odometer value"));
    }

    void failedReadingLeavesNoHalfWrittenVehicle()
    {
        QVERIFY(db->database->exec(QStringLiteral("DROP TABLE odometerlog")));
        QCOMPARE(sample().save(), 0);
        QCOMPARE(rows("vehicle"), 0);
    }

    void failedVehicleWritesNoReading()
    {
        QVERIFY(db->database->exec(QStringLiteral("DROP TABLE vehicle")));
        QCOMPARE(sample().save(), 0);
        QCOMPARE(rows("odometerlog"), 0);
    }
};

GARVO_TEST_GUILESS_MAIN(TestNewVehicle)
#include "tst_newvehicle.moc"
