#include "testdatabase.h"
#include "testsupport.h"

#include "database/note.h"
#include "database/tablenote.h"
#include "database/settings.h"
#include "database/tablesettings.h"
#include "database/tablevehicle.h"

#include <QFile>
#include <QStandardPaths>

// The connection: opening and refusing files, the raw operations and the
// tables a fresh file receives.
class TestDatabaseConnection : public QObject
{
    Q_OBJECT

private:
    static QByteArray fileContent(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString schemaOf(CDatabase *database)
    {
        QSqlQuery query;
        database->exec(query, QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name"));
        QStringList schema;
        while (query.next())
            schema << query.value(0).toString() + query.value(1).toString() + query.value(2).toString();
        return schema.join(QLatin1Char('\n'));
    }

private slots:
    void freshFileHoldsEveryTable()
    {
        TestDatabase db;
        QVERIFY(QFile::exists(db.path()));
        QStringList tables = db.database->tables();
        tables.sort();
        QStringList expected = {"settings", "vehicletype", "vehicle", "odometerlog", "fuellog",
                                "service_session", "service_item", "service_schedule", "note",
                                "expense"};
        expected.sort();
        QCOMPARE(tables, expected);
        QCOMPARE(db.database->count(QStringLiteral("settings")), 0);
    }

    void noteTableIsCreatedWithItsColumnsInOrder()
    {
        TestDatabase db;
        const QString sql =
            db.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'note'")).toString();
        QCOMPARE(sql, QStringLiteral("CREATE TABLE note (note_id integer primary key,"
                                     "note_vehicle_id integer,note_date text,note_title text,"
                                     "note_description text,note_stared integer)"));
    }

    void secondStartKeepsTablesAndRowsAndAddsMissingIndexes()
    {
        QString schema;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("garvo.db"));
        for (int start = 0; start < 2; ++start) {
            auto *database = new CDatabase(path);
            auto *settings = new CSettings(database);
            Storage::createVehicleTypeTable();
            Storage::createVehicleTables();
            if (start == 0) {
                schema = schemaOf(database);
                CTableVehicle::instance()->insert({QStringLiteral("Kept")}, {QStringLiteral("vehicle_name")});
                // A file from before the indexes gets them back at the next start.
                QSqlQuery indexes;
                QVERIFY(database->exec(indexes, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'")));
                QStringList names;
                while (indexes.next())
                    names << indexes.value(0).toString();
                QVERIFY(names.contains(QStringLiteral("fuellog_vehicle_id_fuel_type_odometer_distance_quantity_total_cost_index")));
                for (const QString &name : qAsConst(names))
                    QVERIFY(database->exec(QStringLiteral("DROP INDEX %1").arg(name)));
            } else {
                QCOMPARE(schemaOf(database), schema);
                QCOMPARE(CTableVehicle::instance()->count(), 1);
            }
            Storage::deleteVehicleTables();
            Storage::deleteVehicleTypeTable();
            delete settings;
            delete database;
        }
    }

    void countResults()
    {
        TestDatabase db;
        QCOMPARE(db.database->count(QStringLiteral("vehicle"), QString()), 0);
        QCOMPARE(db.database->count(QStringLiteral("vehicle"), QStringLiteral("vehicle_color = 'red'")), -1);
        QCOMPARE(db.database->count(QStringLiteral("nosuchtable")), -1);
        db.database->insert(QStringLiteral("vehicle"), QStringLiteral("?"), QStringLiteral("vehicle_name"),
                            {QStringLiteral("A")});
        QCOMPARE(db.database->count(QStringLiteral("vehicle"), QStringLiteral("vehicle_name = ?"),
                                    {QStringLiteral("A")}),
                 1);
    }

    void insertReturnsNewIdOrZero()
    {
        TestDatabase db;
        QCOMPARE(db.database->insert(QStringLiteral("vehicle"), QStringLiteral("'First'"),
                                     QStringLiteral("vehicle_name")),
                 1);
        QCOMPARE(db.database->insert(QStringLiteral("vehicle"), QStringLiteral("?"),
                                     QStringLiteral("vehicle_name"), {QStringLiteral("Second")}),
                 2);
        QCOMPARE(db.database->insert(QStringLiteral("vehicle"), QStringLiteral("'x'"),
                                     QStringLiteral("vehicle_colour")),
                 0);
        QVERIFY(!db.database->errorText().isEmpty());
    }

    void escape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("two quotes") << "it's Bob's" << "it''s Bob''s";
        QTest::newRow("adjacent quotes") << "''" << "''''";
        QTest::newRow("no quotes") << "plain \"text\"" << "plain \"text\"";
    }

    void escape()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(CDatabase::escape(text), escaped);
    }

    void tableExistsIsCaseSensitive()
    {
        TestDatabase db;
        QVERIFY(db.database->tableExists(QStringLiteral("vehicle")));
        QVERIFY(!db.database->tableExists(QStringLiteral("Vehicle")));
    }

    // A table with a version records it on creation; the application's
    // tables have none, so they record nothing.
    void tableVersionIsWrittenOnlyWhenSet()
    {
        TestDatabase db;
        const auto versionKeys = [&db] {
            return db.database->count(QStringLiteral("settings"), QStringLiteral("settings_name LIKE ?"),
                                      {QStringLiteral("%_tableversion")});
        };
        QCOMPARE(versionKeys(), 0);

        struct VersionedTable : CTable
        {
            explicit VersionedTable(CDatabase *database) : CTable(database, QStringLiteral("probe"))
            {
                m_version = QStringLiteral("3");
                addColumn(QStringLiteral("_text"), QStringLiteral("text"));
            }
        } probe(db.database);
        QVERIFY(probe.create());
        QCOMPARE(versionKeys(), 1);
        QCOMPARE(CSettings::instance()->value(QStringLiteral("probe_tableversion")).toString(), QStringLiteral("3"));
    }

    void instanceUsesDefaultPathAndIsClearedOnDelete()
    {
        CDatabase *database = CDatabase::instance();
        QVERIFY(database->isOpen());
        const QString expected = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                                 + QStringLiteral("/data/garvo.db");
        QCOMPARE(database->fileName(), expected);
        QVERIFY(expected.startsWith(TestSupport::userRoot()));
        QCOMPARE(CDatabase::instance(QStringLiteral("/elsewhere.db")), database);
        delete database;

        TestDatabase db(TestDatabase::ConnectionOnly);
        QCOMPARE(CDatabase::instance(), db.database);
    }

    void unusableFileIsReported_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder that is a regular file") << "parent-is-file";
        QTest::newRow("file of garbage") << "garbage";
    }

    void unusableFileIsReported()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        QString path;
        if (kind == QLatin1String("parent-is-file")) {
            QFile parent(folder.filePath(QStringLiteral("afile")));
            QVERIFY(parent.open(QIODevice::WriteOnly));
            parent.write("x");
            path = parent.fileName() + QStringLiteral("/garvo.db");
        } else {
            QFile garbage(folder.filePath(QStringLiteral("garvo.db")));
            QVERIFY(garbage.open(QIODevice::WriteOnly));
            for (int i = 0; i < 64; ++i)
                garbage.write("this is not an SQLite database, only text. ");
            path = garbage.fileName();
        }

        CDatabase database(path);
        QVERIFY(!database.isOpen());
        QVERIFY(!database.errorText().isEmpty());
        QVERIFY(!database.exec(QStringLiteral("SELECT 1")));
        QCOMPARE(database.count(QStringLiteral("vehicle")), -3);
        QCOMPARE(database.insert(QStringLiteral("vehicle"), QStringLiteral("'x'"), QStringLiteral("vehicle_name")), 0);
        QVERIFY(database.tables().isEmpty());

        // Tables and settings on it fail quietly with their failure values.
        CSettings settings(&database);
        QCOMPARE(settings.value(QStringLiteral("currency"), QStringLiteral("USD")).toString(), QStringLiteral("USD"));
        QVERIFY(!settings.setValue(QStringLiteral("currency"), QStringLiteral("EUR")));
        CTableNote notes(&database);
        QSignalSpy inserted(&notes, &CTable::inserted);
        QCOMPARE(notes.insert({1}, {notes.column(CTableNote::VehicleId)}), 0);
        QCOMPARE(inserted.value(0).value(0).toInt(), 0);
        QCOMPARE(notes.count(), -3);
        CNote note(1);
        QCOMPARE(note.id(), 0);

        if (kind == QLatin1String("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll().startsWith("this is not an SQLite database"));
        }
    }

    // A read-only file or folder opened and read fine; nothing the user
    // entered was ever stored, and nobody said so.
    void fileThatCannotBeWrittenIsNotOpen_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }

    void fileThatCannotBeWrittenIsNotOpen()
    {
        QFETCH(bool, readOnlyFolder);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("garvo.db"));
        {
            CDatabase database(path);
            QVERIFY(database.exec(QStringLiteral("CREATE TABLE kept (value text)")));
        }
        const QByteArray before = fileContent(path);
        const QString locked = readOnlyFolder ? folder.path() : path;
        const QFileDevice::Permissions permissions = QFile::permissions(locked);
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        {
            TestSupport::PermissionsEnforced enforced;
            if (!enforced.isEnforced())
                QSKIP("file permissions do not bind this process");
            CDatabase database(path);
            QVERIFY(!database.isOpen());
            QVERIFY2(database.errorText().contains(QLatin1String("cannot be written")),
                     qPrintable(database.errorText()));
        }
        QFile::setPermissions(locked, permissions);
        QCOMPARE(fileContent(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    // A vehicle table without "vehicle_description" showed the date as the
    // description and the type as the date, and every save failed.
    void tableWithoutOneOfItsColumnsIsAFault()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("garvo.db"));
        {
            CDatabase database(path);
            QVERIFY(database.exec(QStringLiteral(
                "CREATE TABLE vehicle (vehicle_id integer primary key, vehicle_name text, vehicle_date text, "
                "vehicle_type_id integer, vehicle_odometer_value integer, vehicle_odometer_type integer, "
                "vehicle_license_plate text, vehicle_registration_expiration_date text, "
                "vehicle_fuel_system_type integer, vehicle_fuel_name_first text, vehicle_fuel_name_second text, "
                "vehicle_location_id integer, vehicle_status integer, vehicle_order integer, "
                "vehicle_favorite integer, vehicle_colour text)")));
            QVERIFY(database.exec(QStringLiteral("CREATE VIEW note AS SELECT 1 AS note_id")));
        }
        CDatabase database(path);
        CSettings settings(&database);
        QVERIFY(database.faults().isEmpty());
        Storage::createVehicleTypeTable();
        Storage::createVehicleTables();
        const QStringList faults = database.faults();
        Storage::deleteVehicleTables();
        Storage::deleteVehicleTypeTable();

        QCOMPARE(faults.size(), 2);
        QCOMPARE(faults.at(0), QStringLiteral("The table \"vehicle\" has no column \"vehicle_description\"."));
        QVERIFY2(faults.at(1).startsWith(QLatin1String("The table \"note\" could not be created")),
                 qPrintable(faults.at(1)));
    }
};

GARVO_TEST_GUILESS_MAIN(TestDatabaseConnection)
#include "tst_database.moc"
