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

        const QList<CVehicleType> types = CVehicleType::list();
        QCOMPARE(types.size(), 10);
        QStringList names;
        QStringList pictures;
        QStringList suggestions;
        for (int i = 0; i < types.size(); ++i) {
            QCOMPARE(types.at(i).id(), i + 1);
            names << types.at(i).name();
            pictures << types.at(i).imagePath();
            suggestions << QStringLiteral("%1/%2").arg(types.at(i).fuelSystemSuggestion())
                               .arg(types.at(i).odometerTypeSuggestion());
        }
        QCOMPARE(names, QStringList({"Car", "Motorcycle", "Bicycle", "Truck", "Bus", "Trailer", "Agricultural",
                                     "Machine", "Boat", "Other"}));
        QCOMPARE(suggestions,
                 QStringList({"1/1", "1/1", "0/1", "1/1", "1/1", "0/1", "1/3", "1/3", "1/3", "1/3"}));
        QCOMPARE(pictures, CVehicleType::builtInImagePaths());
        QCOMPARE(pictures.first(), QStringLiteral(":resource/icons/vehicle-car-256.png"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM vehicletype WHERE vehicletype_order = '0'")).toInt(),
                 10);
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

    void deletingATypeMovesItsVehiclesToTheLowestRemainingType()
    {
        QVERIFY(seedVehicleTypes());
        const int car = addVehicle(1);
        const int otherCar = addVehicle(1);
        const int boat = addVehicle(9);

        QVERIFY(CTableVehicleType::instance()->removeType(1));
        QVERIFY(!CTableVehicleType::instance()->exists(1));
        QCOMPARE(CVehicle(car).typeId(), 2);
        QCOMPARE(CVehicle(otherCar).typeId(), 2);
        QCOMPARE(CVehicle(boat).typeId(), 9);
        // The moved vehicle shows the new type's picture.
        QCOMPARE(CVehicleType(CVehicle(car).typeId()).imagePath(),
                 QStringLiteral(":resource/icons/vehicle-motorcycle-256.png"));
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

    void userTypeRoundTripsAnyText()
    {
        const QString name = QStringLiteral("O'Brien's 100% Fähre \u8239");
        CVehicleType type;
        type.setName(name);
        const int id = type.save();
        QVERIFY(id > 0);
        QCOMPARE(CVehicleType::list().size(), 1);
        QCOMPARE(CVehicleType::list().first().name(), name);
    }
};

GARVO_TEST_GUILESS_MAIN(TestVehicleTypes)
#include "tst_vehicletypes.moc"
