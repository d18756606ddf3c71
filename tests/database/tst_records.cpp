#include "testdatabase.h"
#include "testsupport.h"

#include "database/expense.h"
#include "database/fuellog.h"
#include "database/note.h"
#include "database/odometerlog.h"
#include "database/serviceschedule.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableodometerlog.h"
#include "database/tableserviceschedule.h"
#include "database/tablevehicle.h"
#include "database/tablevehicletype.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"
#include "utility/clock.h"

// Records: what each field is stored as, the auto-save rule, loading.
class TestRecords : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

    // The stored value with its SQLite type, e.g. "text:1.24".
    QString stored(const QString &table, const QString &column, int id)
    {
        return db->scalar(QStringLiteral("SELECT typeof(%1) || ':' || %1 FROM %2 WHERE %2_id = ?")
                              .arg(column, table),
                          {id})
            .toString();
    }

private slots:
    void init() { db = new TestDatabase; }

    void cleanup()
    {
        delete db;
        db = nullptr;
        Utility::Clock::reset();
    }

    void moneyHasTwoDecimalsAndExpenseAllDigits()
    {
        CFuelLog fuel;
        fuel.setCostPerUnit(1.239);
        fuel.setQuantity(40.0);
        fuel.setTotalCost(49.555);
        QVERIFY(fuel.save() > 0);
        QCOMPARE(stored("fuellog", "fuellog_cost_per_unit", fuel.id()), QStringLiteral("text:1.24"));
        QCOMPARE(stored("fuellog", "fuellog_quantity", fuel.id()), QStringLiteral("text:40.00"));
        QCOMPARE(CFuelLog(fuel.id()).costPerUnit(), 1.24);

        CExpense expense;
        expense.setAmount(1.239);
        QVERIFY(expense.save() > 0);
        QCOMPARE(stored("expense", "expense_amount", expense.id()), QStringLiteral("text:1.239"));
        QCOMPARE(CExpense(expense.id()).amount(), 1.239);
    }

    void unsetDateIsEmptyTextAndStarIsOne()
    {
        CNote note;
        note.setTitle(QStringLiteral("t"));
        note.setStared(true);
        QVERIFY(note.save() > 0);
        QCOMPARE(stored("note", "note_date", note.id()), QStringLiteral("text:"));
        QCOMPARE(stored("note", "note_stared", note.id()), QStringLiteral("integer:1"));
        const CNote loaded(note.id());
        QVERIFY(!loaded.date().isValid());
        QVERIFY(loaded.stared());
    }

    void clearedScheduleStoresItsDefaults()
    {
        CServiceSchedule schedule;
        schedule.setName(QStringLiteral("Oil"));
        schedule.setDueOdometer(5000);
        schedule.setStatus(0);
        schedule.clear();
        QVERIFY(schedule.save(true) > 0);
        for (const char *column : {"last_check_odometer", "due_odometer", "reminder_odometer", "repeat_odometer"})
            QCOMPARE(stored("service_schedule", QStringLiteral("service_schedule_") + QLatin1String(column),
                            schedule.id()),
                     QStringLiteral("integer:-1"));
        QCOMPARE(stored("service_schedule", "service_schedule_status", schedule.id()), QStringLiteral("integer:1"));
        QCOMPARE(stored("service_schedule", "service_schedule_repeat_period", schedule.id()), QStringLiteral("text:1|M"));
    }

    void everyFieldRoundTrips()
    {
        CServiceSchedule schedule;
        schedule.setVehicleId(3);
        schedule.setName(QStringLiteral("Tyres"));
        schedule.setDescription(QStringLiteral("swap"));
        schedule.setLastCheckDate(QDate(2024, 1, 2));
        schedule.setLastCheckOdometer(100);
        schedule.setDueType(3);
        schedule.setDueDate(QDate(2024, 6, 30));
        schedule.setDueOdometer(9000);
        schedule.setReminderType(1);
        schedule.setReminderDate(QDate(2024, 6, 1));
        schedule.setReminderOdometer(8500);
        schedule.setRepeatType(2);
        schedule.setRepeatPeriod(CRepeatPeriod(2, CRepeatPeriod::Week));
        schedule.setRepeatOdometer(10000);
        schedule.setStatus(0);
        QVERIFY(schedule.save() > 0);
        const CServiceSchedule s(schedule.id());
        QCOMPARE(s.vehicleId(), 3);
        QCOMPARE(s.name(), QStringLiteral("Tyres"));
        QCOMPARE(s.description(), QStringLiteral("swap"));
        QCOMPARE(s.lastCheckDate(), QDate(2024, 1, 2));
        QCOMPARE(s.lastCheckOdometer(), 100);
        QCOMPARE(s.dueType(), 3);
        QCOMPARE(s.dueDate(), QDate(2024, 6, 30));
        QCOMPARE(s.dueOdometer(), 9000);
        QCOMPARE(s.reminderType(), 1);
        QCOMPARE(s.reminderDate(), QDate(2024, 6, 1));
        QCOMPARE(s.reminderOdometer(), 8500);
        QCOMPARE(s.repeatType(), 2);
        QVERIFY(s.repeatPeriod() == CRepeatPeriod(2, CRepeatPeriod::Week));
        QCOMPARE(s.repeatOdometer(), 10000);
        QCOMPARE(s.status(), 0);

        CFuelLog fuel;
        fuel.setVehicleId(4);
        fuel.setDate(QDate(2023, 12, 31));
        fuel.setOdometer(12345);
        fuel.setDescription(QStringLiteral("full"));
        fuel.setFuelType(2);
        fuel.setCostPerUnit(1.5);
        fuel.setQuantity(30.25);
        fuel.setDistance(420);
        fuel.setEfficiency(7.2);
        fuel.setTotalCost(45.38);
        fuel.setTires(1);
        fuel.setDrivingStyle(2);
        fuel.setRoutes(5);
        fuel.setExtras(6);
        fuel.setDriverId(7);
        QVERIFY(fuel.save() > 0);
        const CFuelLog f(fuel.id());
        QCOMPARE(f.vehicleId(), 4);
        QCOMPARE(f.date(), QDate(2023, 12, 31));
        QCOMPARE(f.odometer(), 12345);
        QCOMPARE(f.description(), QStringLiteral("full"));
        QCOMPARE(f.fuelType(), 2);
        QCOMPARE(f.costPerUnit(), 1.5);
        QCOMPARE(f.quantity(), 30.25);
        QCOMPARE(f.distance(), 420);
        QCOMPARE(f.efficiency(), 7.2);
        QCOMPARE(f.totalCost(), 45.38);
        QCOMPARE(QList<unsigned int>({f.tires(), f.drivingStyle(), f.routes(), f.extras(), f.driverId()}),
                 QList<unsigned int>({1, 2, 5, 6, 7}));
    }

    // Records were read by position from "SELECT *": a table with another
    // column order loaded the type into the date and the date into the name.
    void recordsReadTheirColumnsByName()
    {
        CTableVehicle *table = CTableVehicle::instance();
        QStringList definition;
        for (int i = table->columns().size() - 1; i >= 0; --i)
            definition << table->column(i) + QLatin1Char(' ') + table->columnTypes().at(i);
        definition << QStringLiteral("vehicle_colour text");
        QVERIFY(db->database->exec(QStringLiteral("DROP TABLE vehicle")));
        QVERIFY(db->database->exec(QStringLiteral("CREATE TABLE vehicle (%1)").arg(definition.join(QLatin1Char(',')))));

        CVehicle vehicle;
        vehicle.setName(QStringLiteral("Golf"));
        vehicle.setDate(QDate(2015, 3, 1));
        vehicle.setTypeId(4);
        vehicle.setOdometerValue(590);
        QVERIFY(vehicle.save() > 0);

        const QList<CVehicle> loaded = {CVehicle(vehicle.id()), CVehicle::list().value(0)};
        for (const CVehicle &v : loaded) {
            QCOMPARE(v.id(), vehicle.id());
            QCOMPARE(v.name(), QStringLiteral("Golf"));
            QCOMPARE(v.date(), QDate(2015, 3, 1));
            QCOMPARE(v.typeId(), 4);
            QCOMPARE(v.odometerValue(), 590);
        }
    }

    // Integers were read in 32 bits: 2^31 came back as -2147483648 and 2^53
    // as 0, and a save then wrote the wrapped number back.
    void storedValueOutsideItsFieldIsDamagedNeverWrapped_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::newRow("2^31") << "vehicle_odometer_value" << "2147483648";
        QTest::newRow("2^53") << "vehicle_odometer_value" << "9007199254740992";
        QTest::newRow("below -2^31") << "vehicle_type_id" << "-2147483649";
        QTest::newRow("text in a number") << "vehicle_status" << "'many'";
        QTest::newRow("fraction in a number") << "vehicle_order" << "2.5";
        QTest::newRow("no date") << "vehicle_date" << "'2024-13-45'";
    }

    void storedValueOutsideItsFieldIsDamagedNeverWrapped()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        CVehicle vehicle;
        vehicle.setName(QStringLiteral("Golf"));
        vehicle.setOdometerValue(1000);
        vehicle.setOrder(7);
        QVERIFY(vehicle.save() > 0);
        QVERIFY(db->database->exec(QStringLiteral("UPDATE vehicle SET %1 = %2").arg(column, value)));
        const QString before = stored(QStringLiteral("vehicle"), column, vehicle.id());

        CVehicle damaged(vehicle.id());
        QVERIFY(damaged.isDamaged());
        QVERIFY2(damaged.damage().contains(column), qPrintable(damaged.damage()));
        QCOMPARE(damaged.name(), QStringLiteral("Golf"));
        QVERIFY(damaged.odometerValue() == 0 || damaged.odometerValue() == 1000);
        QCOMPARE(CVehicle::list().value(0).isDamaged(), true);

        // Saving would put the default over the stored value.
        damaged.setName(QStringLiteral("Polo"));
        QCOMPARE(damaged.save(), 0);
        QVERIFY2(db->database->errorText().contains(column), qPrintable(db->database->errorText()));
        QCOMPARE(stored(QStringLiteral("vehicle"), column, vehicle.id()), before);
        QCOMPARE(stored(QStringLiteral("vehicle"), QStringLiteral("vehicle_name"), vehicle.id()),
                 QStringLiteral("text:Golf"));
    }

    // With 2^31 read as -2147483648, any later reading "raised" the odometer.
    void odometerBeyond32BitsIsNeverLowered()
    {
        CVehicle vehicle;
        vehicle.setName(QStringLiteral("Truck"));
        QVERIFY(vehicle.save() > 0);
        QVERIFY(db->database->exec(QStringLiteral("UPDATE vehicle SET vehicle_odometer_value = 2147483648")));

        COdometerLog reading;
        reading.setVehicleId(vehicle.id());
        reading.setDate(QDate(2024, 5, 1));
        reading.setOdometer(5000);
        QCOMPARE(reading.save(), 0);

        QCOMPARE(stored(QStringLiteral("vehicle"), QStringLiteral("vehicle_odometer_value"), vehicle.id()),
                 QStringLiteral("integer:2147483648"));
        QCOMPARE(CTableOdometerLog::instance()->count(), 0);
    }

    // Dates past 9999 and before year 1 came back unset, NaN was written as
    // "nan", and a lone surrogate was replaced on its way into the file.
    void valueThatWouldNotReadBackIsRefused_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("name");
        const QString fine = QStringLiteral("Oil");
        QTest::newRow("year 10000") << QDate(10000, 1, 1) << 1.0 << fine;
        QTest::newRow("year before 1") << QDate(-5, 6, 1) << 1.0 << fine;
        QTest::newRow("NaN") << QDate(2024, 1, 1) << std::numeric_limits<double>::quiet_NaN() << fine;
        QTest::newRow("infinity") << QDate(2024, 1, 1) << std::numeric_limits<double>::infinity() << fine;
        QTest::newRow("lone high surrogate") << QDate(2024, 1, 1) << 1.0 << (fine + QChar(0xD83D));
        QTest::newRow("lone low surrogate") << QDate(2024, 1, 1) << 1.0 << (QChar(0xDE00) + fine);
        QTest::newRow("pair reversed") << QDate(2024, 1, 1) << 1.0 << QString(QChar(0xDE00)) + QChar(0xD83D);
    }

    void valueThatWouldNotReadBackIsRefused()
    {
        QFETCH(QDate, date);
        QFETCH(double, amount);
        QFETCH(QString, name);
        CExpense expense;
        expense.setVehicleId(1);
        expense.setDate(date);
        expense.setAmount(amount);
        expense.setName(name);
        QCOMPARE(expense.save(), 0);
        QCOMPARE(expense.id(), 0);
        QCOMPARE(CTableExpense::instance()->count(), 0);
        QVERIFY(db->database->errorText().contains(QLatin1String("cannot be stored")));

        // Through the settings, which bypass the records, text is checked too.
        QVERIFY(!db->settings->setValue(QStringLiteral("note"), QString(QChar(0xD800))));
    }

    void textWithSurrogatePairsRoundTrips()
    {
        CNote note;
        note.setTitle(QStringLiteral("Tank 😀 voll, 100% 'ok'"));
        note.setDate(QDate(9999, 12, 31));
        QVERIFY(note.save() > 0);
        const CNote loaded(note.id());
        QCOMPARE(loaded.title(), QStringLiteral("Tank 😀 voll, 100% 'ok'"));
        QCOMPARE(loaded.date(), QDate(9999, 12, 31));
        QVERIFY(!loaded.isDamaged());
    }

    void vehicleDatesDefaultToToday()
    {
        Utility::Clock::setToday(QDate(2025, 3, 31));
        const CVehicle vehicle;
        QCOMPARE(vehicle.date(), QDate(2025, 3, 31));
        QCOMPARE(vehicle.registrationExpirationDate(), QDate(2025, 3, 31));
        QVERIFY(!vehicle.favorite());
    }

    void vehicleTypeAlwaysWritesOrderZero()
    {
        CVehicleType type;
        type.setName(QStringLiteral("Car"));
        QVERIFY(type.save() > 0);
        QVERIFY(CTableVehicleType::instance()->updateField(type.id(), CTableVehicleType::Order, 5));
        type.setName(QStringLiteral("Truck"));
        QCOMPARE(stored("vehicletype", "vehicletype_order", type.id()), QStringLiteral("integer:0"));
    }

    void newRecordWritesOnlyOnSave()
    {
        CTableNote *notes = CTableNote::instance();
        QSignalSpy inserted(notes, &CTable::inserted);
        QSignalSpy updated(notes, &CTable::updated);
        CNote note;
        note.setTitle(QStringLiteral("draft"));
        note.setVehicleId(2);
        QVERIFY(note.isModified());
        QCOMPARE(notes->count(), 0);
        QCOMPARE(inserted.count(), 0);

        const int id = note.save();
        QCOMPARE(id, 1);
        QCOMPARE(note.id(), id);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(0).toInt(), id);
        QCOMPARE(updated.count(), 0);
    }

    void storedRecordWritesEachChange()
    {
        CNote draft;
        draft.setTitle(QStringLiteral("old"));
        const int id = draft.save();

        CTableNote *notes = CTableNote::instance();
        QSignalSpy updated(notes, &CTable::updated);
        CNote note(id);
        QVERIFY(!note.isModified());
        note.setTitle(QStringLiteral("old"));
        QCOMPARE(updated.count(), 0);
        note.setTitle(QStringLiteral("new"));
        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.at(0).at(0).toInt(), id);
        QCOMPARE(CNote(id).title(), QStringLiteral("new"));

        note.setAutoSave(false);
        note.setTitle(QStringLiteral("unsaved"));
        QCOMPARE(updated.count(), 1);
        QCOMPARE(CNote(id).title(), QStringLiteral("new"));
        QCOMPARE(note.save(), id);
        QCOMPARE(CNote(id).title(), QStringLiteral("unsaved"));
    }

    void unmodifiedRecordSavesNothing()
    {
        CNote draft;
        draft.setTitle(QStringLiteral("x"));
        const int id = draft.save();
        CNote note(id);
        QSignalSpy updated(CTableNote::instance(), &CTable::updated);
        QCOMPARE(note.save(), id);
        QCOMPARE(updated.count(), 0);
        QCOMPARE(note.save(true), id);
        QCOMPARE(updated.count(), 1);
    }

    void loadById()
    {
        CNote draft;
        draft.setTitle(QStringLiteral("stored"));
        const int id = draft.save();

        CNote note(id);
        note.load(99);
        QCOMPARE(note.id(), id);
        QCOMPARE(note.title(), QStringLiteral("stored"));

        note.setAutoSave(false);
        note.load(0);
        QCOMPARE(note.id(), 0);
        QVERIFY(note.title().isEmpty());
        QVERIFY(note.autoSave());
        QVERIFY(!note.isModified());
    }

    void removeNeedsAStoredRow()
    {
        CNote note;
        QVERIFY(!note.remove());
        note.setTitle(QStringLiteral("x"));
        const int id = note.save();
        QSignalSpy deleted(CTableNote::instance(), &CTable::deleted);
        QVERIFY(note.remove());
        QCOMPARE(note.id(), id);
        QVERIFY(!note.remove());
        QCOMPARE(deleted.count(), 1);
    }

    void recordWithoutTableDoesNothing()
    {
        delete db;
        db = new TestDatabase(TestDatabase::ConnectionOnly);
        CNote note;
        QVERIFY(!note.table());
        QVERIFY(note.column(1).isEmpty());
        note.setTitle(QStringLiteral("x"));
        QCOMPARE(note.save(), 0);
        note.load(1);
        QCOMPARE(note.title(), QStringLiteral("x"));
    }

    void repeatPeriodText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("written");
        QTest::newRow("three months") << "3|M" << 3 << 3 << "3|M";
        QTest::newRow("days") << "10|d" << 10 << 1 << "10|d";
        QTest::newRow("weeks") << "2|w" << 2 << 2 << "2|w";
        QTest::newRow("years") << "1|y" << 1 << 4 << "1|y";
        QTest::newRow("unknown letter reads as months") << "4|q" << 4 << 3 << "4|M";
        QTest::newRow("no separator") << "garbage" << 1 << 3 << "1|M";
        QTest::newRow("three parts") << "1|d|x" << 1 << 3 << "1|M";
        QTest::newRow("count not a number") << "x|d" << 0 << 1 << "0|d";
        QTest::newRow("empty") << "" << 1 << 3 << "1|M";
    }

    void repeatPeriodText()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(int, unit);
        QFETCH(QString, written);
        const CRepeatPeriod period = CRepeatPeriod::fromString(text);
        QCOMPARE(period.count(), count);
        QCOMPARE(period.unit(), unit);
        QCOMPARE(period.toString(), written);
        QCOMPARE(CRepeatPeriod(5, 9).toString(), QStringLiteral("5|u"));
    }
};

GARVO_TEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
