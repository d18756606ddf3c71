#include "../database/testdatabase.h"
#include "testsupport.h"

#include "database/odometerlog.h"
#include "database/tableodometerlog.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "modules/vehicle/wizard/drivingconditions.h"
#include "modules/vehicle/wizard/fuelsystem.h"
#include "modules/vehicle/wizard/newvehicle.h"
#include "modules/vehicle/wizard/odometerunit.h"
#include "utility/clock.h"

#include <QLocale>


// The wizard's value types and the operation that stores a new vehicle.
class TestNewVehicle : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    int rows(const char *table) const
    {
        return db->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))).toInt();
    }

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
        QTest::newRow("none") << 0 << "none"
                              << "No Fuel System";
        QTest::newRow("single shows the first name") << 1 << "single"
                                                     << "Single (Diesel)";
        QTest::newRow("double shows both names") << 2 << "double"
                                                 << "Double (Diesel | LPG)";
        QTest::newRow("unknown type") << 7 << ""
                                      << "No Fuel System";
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

    void offeredListsKeepTheirOrder()
    {
        QList<int> types;
        for (const CFuelSystem &system : CFuelSystem::list())
            types.append(system.type);
        QCOMPARE(types, (QList<int> { 0, 1, 2 }));
        const QStringList names = CFuelSystem::fuelNames();
        QCOMPARE(names.size(), 16);
        QCOMPARE(names.first(), QStringLiteral("Gasoline"));
        QCOMPARE(names.at(1), QStringLiteral("Diesel"));
        QCOMPARE(names.last(), QStringLiteral("E10"));
        QCOMPARE(COdometerUnit::codes(), (QList<int> { 1, 2, 3 }));
    }

    void odometerUnitTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("singular");
        QTest::addColumn<QString>("plural");
        QTest::newRow("km") << 1 << "km"
                            << "km";
        QTest::newRow("miles") << 2 << "mile"
                               << "miles";
        QTest::newRow("hours") << 3 << "hour"
                               << "hours";
        QTest::newRow("unknown code") << 0 << "Unknown"
                                      << "Unknown";
    }

    void odometerUnitTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, singular);
        QCOMPARE(COdometerUnit::text(code), singular);
        QFETCH(QString, plural);
        QCOMPARE(COdometerUnit::text(code, true), plural);
    }

    void drivingConditionValues_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("shown");
        QTest::newRow("style fast") << int(CDrivingConditions::DrivingStyle) << 3 << 3;
        QTest::newRow("style unknown becomes not defined") << int(CDrivingConditions::DrivingStyle) << 9 << 0;
        QTest::newRow("tires negative becomes not defined") << int(CDrivingConditions::Tires) << -1 << 0;
        QTest::newRow("routes motorway and country road") << int(CDrivingConditions::Routes) << 5 << 5;
        QTest::newRow("routes unknown bits dropped") << int(CDrivingConditions::Routes) << 8 + 2 << 2;
        QTest::newRow("extras AC and trailer") << int(CDrivingConditions::Extras) << 3 << 3;
    }

    void drivingConditionValues()
    {
        QFETCH(int, kind);
        QFETCH(int, value);
        QFETCH(int, shown);
        QCOMPARE(CDrivingConditions::normalized(CDrivingConditions::Kind(kind), value), shown);
    }

    void parseOdometer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("eight digits are not cut") << "12345678" << true << 12345678;
        QTest::newRow("blanks around") << " 42 " << true << 42;
        QTest::newRow("largest storable") << "2147483647" << true << 2147483647;
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("far too large") << "99999999999999999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blank") << "   " << false << 0;
        QTest::newRow("negative") << "-5" << false << 0;
        QTest::newRow("plus sign") << "+5" << false << 0;
        QTest::newRow("group separator") << "1,000" << false << 0;
        QTest::newRow("decimal") << "1.5" << false << 0;
        QTest::newRow("letters") << "12a" << false << 0;
        QTest::newRow("other script digits") << QStringLiteral("\u0661\u0662") << false << 0;
    }

    void parseOdometer()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        // The German locale groups with "." and would read "1.5" as 15.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        int value = -1;
        QCOMPARE(CNewVehicle::parseOdometer(text, &value), valid);
        QLocale::setDefault(QLocale::c());
        QFETCH(int, expected);
        if (valid)
            QCOMPARE(value, expected);
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
        QCOMPARE(vehicle.date(), values.date);
        QCOMPARE(vehicle.typeId(), 3);
        QCOMPARE(vehicle.licensePlate(), values.licensePlate);
        QCOMPARE(vehicle.registrationExpirationDate(), values.registrationExpirationDate);
        QCOMPARE(vehicle.odometerType(), int(COdometerUnit::Miles));
        QCOMPARE(vehicle.odometerValue(), 12345678);
        QCOMPARE(vehicle.fuelSystemType(), 2);
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

    void saveWithAllDefaultsStillInsertsTheVehicle()
    {
        QVERIFY(CNewVehicle().save() > 0);
        QCOMPARE(rows("vehicle"), 1);
        QCOMPARE(rows("odometerlog"), 1);
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
