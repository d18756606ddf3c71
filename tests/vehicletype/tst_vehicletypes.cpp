#include "../database/testdatabase.h"
#include "testsupport.h"

#include "database/tablevehicle.h"
#include "database/tablevehicletype.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"

// Built-in types, the type list, and what deleting a type does to vehicles.
class TestVehicleTypes : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    int addVehicle(int typeId)
    {
        CVehicle vehicle;
        vehicle.setName(QStringLiteral("vehicle of %1").arg(typeId));
        vehicle.setTypeId(typeId);
        return vehicle.save();
    }

    // Makes every statement of `kind` (INSERT, UPDATE, DELETE) on `table` fail.
    void breakTable(const QString &table, const QString &kind)
    {
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER broken_%1 BEFORE %2 ON %1 "
                                                  "BEGIN SELECT RAISE(ABORT, 'broken'); END")
                                       .arg(table, kind)));
    }

private slots:
    void init() { db = new TestDatabase; }

    void cleanup()
    {
        delete db;
        db = nullptr;
    }

    void freshDatabaseGetsTheTenBuiltInTypes()
    {
        QVERIFY(seedVehicleTypes());
        const QString rows = db->scalar(QStringLiteral(
            "SELECT group_concat(vehicletype_id || ' ' || vehicletype_name || ' ' || vehicletype_fuel_system_suggestion"
            " || vehicletype_odometer_type_suggestion || vehicletype_order, ', ')"
            " FROM (SELECT * FROM vehicletype ORDER BY vehicletype_id)")).toString();
        QCOMPARE(rows, QStringLiteral("1 Car 110, 2 Motorcycle 110, 3 Bicycle 010, 4 Truck 110, 5 Bus 110, "
                                      "6 Trailer 010, 7 Agricultural 130, 8 Machine 130, 9 Boat 130, 10 Other 130"));
        QStringList pictures;
        for (const CVehicleType &type : CVehicleType::list())
            pictures << type.imagePath();
        QCOMPARE(pictures, CVehicleType::builtInImagePaths());
        QCOMPARE(pictures.first(), QStringLiteral(":resource/icons/vehicle-car-256.png"));
    }

    void tableWithAnyRowIsNeverReseeded()
    {
        QVERIFY(seedVehicleTypes());
        QVERIFY(seedVehicleTypes());
        QCOMPARE(CTableVehicleType::instance()->count(), 10);

        // Only a user's own type is left: the built-in ones do not come back.
        CVehicleType own;
        own.setName(QStringLiteral("Tractor"));
        const int ownId = own.save();
        QVERIFY(ownId > 10);
        for (int id = 1; id <= 10; ++id)
            QVERIFY(CTableVehicleType::instance()->remove(id));
        QVERIFY(seedVehicleTypes());
        QCOMPARE(CTableVehicleType::instance()->ids(), QList<int>{ownId});
    }

    void failedSeedWritesNothing()
    {
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER no_boat BEFORE INSERT ON vehicletype "
                                                  "WHEN new.vehicletype_name = 'Boat' "
                                                  "BEGIN SELECT RAISE(ABORT, 'no boats'); END")));
        QVERIFY(!seedVehicleTypes());
        QCOMPARE(CTableVehicleType::instance()->count(), 0);
    }

    void failedMoveKeepsTheType()
    {
        QVERIFY(seedVehicleTypes());
        const int car = addVehicle(1);
        breakTable(QStringLiteral("vehicle"), QStringLiteral("UPDATE"));

        QVERIFY(!CTableVehicleType::instance()->removeType(1));
        QVERIFY(CTableVehicleType::instance()->exists(1));
        QCOMPARE(CVehicle(car).typeId(), 1);
    }
};

GARVO_TEST_GUILESS_MAIN(TestVehicleTypes)
#include "tst_vehicletypes.moc"
