#include "testdatabase.h"
#include "testsupport.h"

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

namespace {

QList<CTable *> dependentTables()
{
    return {CTableOdometerLog::instance(), CTableFuelLog::instance(), CTableSession::instance(),
            CTableServiceSchedule::instance(), CTableNote::instance(), CTableExpense::instance()};
}

} // namespace

// Deleting a parent row removes its dependent rows; transaction scopes make
// that all-or-nothing.
class TestCascade : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    int addRow(CTable *table, int columnIndex, int parentId)
    {
        return table->insert({parentId}, {table->column(columnIndex)});
    }

    // A vehicle with two rows in each dependent table and two items per session.
    int addVehicle()
    {
        const int vehicleId = CTableVehicle::instance()->insert({QStringLiteral("car")}, {QStringLiteral("vehicle_name")});
        for (CTable *table : dependentTables()) {
            for (int i = 0; i < 2; ++i) {
                const int id = addRow(table, 1, vehicleId);
                if (table == CTableSession::instance()) {
                    addRow(CTableServiceItem::instance(), CTableServiceItem::ServiceLogId, id);
                    addRow(CTableServiceItem::instance(), CTableServiceItem::ServiceLogId, id);
                }
            }
        }
        return vehicleId;
    }

    int total()
    {
        int rows = CTableVehicle::instance()->count() + CTableServiceItem::instance()->count();
        for (CTable *table : dependentTables())
            rows += table->count();
        return rows;
    }

private slots:
    void init() { db = new TestDatabase; }

    void cleanup()
    {
        delete db;
        db = nullptr;
    }

    void deletingVehicleRemovesItsRowsOnly()
    {
        const int doomed = addVehicle();
        const int kept = addVehicle();
        QSignalSpy notesDeleted(CTableNote::instance(), &CTable::deleted);
        QSignalSpy itemsDeleted(CTableServiceItem::instance(), &CTable::deleted);

        QVERIFY(CTableVehicle::instance()->remove(doomed));

        for (CTable *table : dependentTables()) {
            QCOMPARE(table->count(QStringLiteral("%1 = ?").arg(table->column(1)), {doomed}), 0);
            QCOMPARE(table->count(QStringLiteral("%1 = ?").arg(table->column(1)), {kept}), 2);
        }
        QCOMPARE(notesDeleted.count(), 2);
        QCOMPARE(itemsDeleted.count(), 4);
        QCOMPARE(CTableServiceItem::instance()->count(), 4);
        QCOMPARE(CTableSession::instance()->ids(),
                 CTableSession::instance()->ids(QStringLiteral("service_session_vehicle_id = ?"), {kept}));
    }

    void failingTableRollsBackTheWholeDelete_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("a vehicle's rows") << QStringLiteral("note");
        QTest::newRow("a session's items") << QStringLiteral("service_item");
    }

    void failingTableRollsBackTheWholeDelete()
    {
        QFETCH(QString, table);
        const int doomed = addVehicle();
        addVehicle();
        const int before = total();
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON %1 "
                                                  "BEGIN SELECT RAISE(ABORT, 'kept'); END")
                                       .arg(table)));

        QVERIFY(!CTableVehicle::instance()->removeVehicle(doomed));

        QCOMPARE(total(), before);
        QVERIFY(CTableVehicle::instance()->exists(doomed));
        QVERIFY(db->database->exec(QStringLiteral("DROP TRIGGER keep")));
        QVERIFY(CTableVehicle::instance()->removeVehicle(doomed));
        QCOMPARE(total(), before - 1 - 2 * dependentTables().size() - 4);
    }

    void deletedTypeMovesVehiclesToLowestRemainingType()
    {
        CTableVehicleType *types = CTableVehicleType::instance();
        CTableVehicle *vehicles = CTableVehicle::instance();
        const QString typeName = types->column(CTableVehicleType::Name);
        const int car = types->insert({QStringLiteral("car")}, {typeName});
        const int truck = types->insert({QStringLiteral("truck")}, {typeName});
        const int bike = types->insert({QStringLiteral("bike")}, {typeName});
        const int first = vehicles->insert({bike}, {vehicles->column(CTableVehicle::TypeId)});
        const int second = vehicles->insert({truck}, {vehicles->column(CTableVehicle::TypeId)});

        QVERIFY(types->remove(bike));
        QCOMPARE(vehicles->value(first, CTableVehicle::TypeId).toInt(), car);
        QCOMPARE(vehicles->value(second, CTableVehicle::TypeId).toInt(), truck);

        QVERIFY(types->remove(car));
        QVERIFY(types->remove(truck));
        QCOMPARE(vehicles->value(first, CTableVehicle::TypeId).toInt(), 0);
        QCOMPARE(vehicles->value(second, CTableVehicle::TypeId).toInt(), 0);
    }

    void transactionCommitsOrRollsBack()
    {
        CTableNote *notes = CTableNote::instance();
        {
            CTransaction transaction;
            addRow(notes, 1, 1);
            QVERIFY(transaction.commit());
            QVERIFY(!transaction.commit());
        }
        {
            CTransaction transaction;
            addRow(notes, 1, 2);
        }
        QCOMPARE(notes->count(), 1);
        {
            CTransaction transaction;
            addRow(notes, 1, 3);
            transaction.rollback();
            QVERIFY(!transaction.commit());
        }
        QCOMPARE(notes->count(), 1);
    }

    void nestedScopesJoinTheOuterOne()
    {
        CTableNote *notes = CTableNote::instance();
        {
            CTransaction outer;
            {
                CTransaction inner;
                addRow(notes, 1, 1);
                QVERIFY(inner.commit());
            }
            addRow(notes, 1, 2);
            QVERIFY(outer.commit());
        }
        QCOMPARE(notes->count(), 2);

        {
            CTransaction outer;
            addRow(notes, 1, 3);
            {
                CTransaction inner;
                addRow(notes, 1, 4);
            }
            {
                CTransaction later;
                QVERIFY(!later.commit());
            }
            QVERIFY(!outer.commit());
        }
        QCOMPARE(notes->count(), 2);

        // A failed scope does not poison the next transaction.
        {
            CTransaction next;
            addRow(notes, 1, 5);
            QVERIFY(next.commit());
        }
        QCOMPARE(notes->count(), 3);
    }

    void transactionWithoutDatabaseIsInactive()
    {
        delete db;
        db = nullptr;
        CTransaction transaction;
        QVERIFY(!transaction.isActive());
        QVERIFY(!transaction.commit());
    }
};

GARVO_TEST_GUILESS_MAIN(TestCascade)
#include "tst_cascade.moc"
