#include "../database/testdatabase.h"
#include "testsupport.h"

#include "application/configuration.h"
#include "backup/backup.h"
#include "database/transaction.h"
#include "utility/clock.h"

#include <QDir>
#include <QFile>
#include <QSqlError>

#include <atomic>
#include <chrono>
#include <thread>

// Automatic copies, their retention, and restoring one over the live file.
class TestBackup : public QObject
{
    Q_OBJECT

private:
    static void addVehicle(CDatabase *database, const QString &name)
    {
        QVERIFY(database->exec(QStringLiteral("INSERT INTO vehicle (vehicle_name) VALUES (?)"), {name}));
    }

    static int vehicles(CDatabase *database)
    {
        return database->count(QStringLiteral("vehicle"));
    }

    static QStringList namesIn(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    // "yyyy-MM-dd reason" of each copy, oldest first.
    static QStringList describe(const QList<CBackupFile> &files)
    {
        static const char *const reasons[] = {"daily", "deletion", "update", "restore", "other"};
        QStringList result;
        for (const CBackupFile &file : files)
            result.prepend(file.takenAt().date().toString(Qt::ISODate) + QLatin1Char(' ')
                           + QLatin1String(reasons[file.reason()]));
        return result;
    }

private slots:
    void cleanup()
    {
        Utility::Clock::reset();
    }

    void copyTakenWhileAnotherConnectionWritesIsConsistent()
    {
        TestDatabase db;
        CBackupStore store(db.path());

        // Every committed transaction adds one vehicle and its one fuel entry.
        std::atomic<bool> stop{false};
        std::atomic<int> committed{0};
        QString writerError;
        std::thread writer([&] {
            const QString name = QStringLiteral("writer");
            {
                QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                connection.setDatabaseName(db.path());
                if (!connection.open()) {
                    writerError = connection.lastError().text();
                    return;
                }
                QSqlQuery query(connection);
                while (!stop && writerError.isEmpty()) {
                    if (!connection.transaction()
                        || !query.exec(QStringLiteral("INSERT INTO vehicle (vehicle_name) VALUES ('w')"))
                        || !query.exec(QStringLiteral("INSERT INTO fuellog (fuellog_vehicle_id) "
                                                      "VALUES (last_insert_rowid())"))
                        || !connection.commit())
                        writerError = query.lastError().text() + connection.lastError().text();
                    else
                        ++committed;
                    // A user's pace, not a flood that starves every reader.
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                }
                query.clear();
                connection.close();
            }
            QSqlDatabase::removeDatabase(name);
        });

        QStringList copies;
        QString copyError;
        for (int i = 0; i < 6 && copyError.isEmpty(); ++i) {
            QTest::qWait(20);
            const CBackupResult result = store.backUp(CBackupFile::OtherReason);
            copies << result.fileName;
            copyError = result.error;
        }
        stop = true;
        writer.join();
        QVERIFY2(copyError.isEmpty(), qPrintable(copyError));
        QVERIFY2(writerError.isEmpty(), qPrintable(writerError));
        QVERIFY(committed > 0);

        int previous = -1;
        for (const QString &copy : qAsConst(copies)) {
            const CBackupContents contents = CBackupContents::inspect(copy);
            QVERIFY2(contents.intact, qPrintable(contents.problem));
            QCOMPARE(contents.fuelEntries, contents.vehicles);
            QVERIFY(contents.vehicles >= previous);
            previous = contents.vehicles;
        }
        QVERIFY(previous > 0);
    }

    void copyHoldsOnlyCommittedChanges()
    {
        TestDatabase db;
        addVehicle(db.database, QStringLiteral("Kept"));
        CTransaction transaction(db.database);
        addVehicle(db.database, QStringLiteral("Pending"));

        const CBackupResult result = CBackupStore(db.path()).backUp(CBackupFile::BeforeVehicleDeletion);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(CBackupContents::inspect(result.fileName).vehicles, 1);
        QVERIFY(transaction.commit());
        QCOMPARE(CBackupFile::fromPath(result.fileName).reason(), CBackupFile::BeforeVehicleDeletion);
    }

    void retentionKeepsDailyAndWeeklyCopiesOverSimulatedDays()
    {
        TestDatabase db;
        CBackupStore store(db.path());
        const CBackupRetention retention; // 7 daily, 8 weekly

        // A start every day for eight weeks (Monday 5 January to Sunday 1 March).
        for (QDate day(2026, 1, 5); day <= QDate(2026, 3, 1); day = day.addDays(1)) {
            Utility::Clock::setNow(QDateTime(day, QTime(9, 0)));
            const CBackupResult result = store.backUpDaily(retention);
            QVERIFY2(result.ok && !result.fileName.isEmpty(), qPrintable(result.error));
        }
        // A second start the same day takes no copy; a deletion later that day does.
        Utility::Clock::setNow(QDateTime(QDate(2026, 3, 1), QTime(17, 0)));
        QVERIFY(store.backUpDaily(retention).fileName.isEmpty());
        Utility::Clock::setNow(QDateTime(QDate(2026, 3, 1), QTime(18, 0)));
        QVERIFY(store.backUp(CBackupFile::BeforeVehicleDeletion).ok);
        store.prune(retention);

        QCOMPARE(describe(store.list()),
                 QStringList({"2026-01-11 daily", "2026-01-18 daily", "2026-01-25 daily", "2026-02-01 daily",
                              "2026-02-08 daily", "2026-02-15 daily", "2026-02-22 daily", "2026-02-23 daily",
                              "2026-02-24 daily", "2026-02-25 daily", "2026-02-26 daily", "2026-02-27 daily",
                              "2026-02-28 daily", "2026-03-01 daily", "2026-03-01 deletion"}));
        for (const CBackupFile &file : store.list())
            QVERIFY2(CBackupContents::inspect(file.path()).intact, qPrintable(file.path()));

        // After three months away, the old copies are still there to go back to.
        Utility::Clock::setNow(QDateTime(QDate(2026, 6, 1), QTime(9, 0)));
        QVERIFY(store.backUpDaily(retention).ok);
        QCOMPARE(describe(store.list()),
                 QStringList({"2026-01-18 daily", "2026-01-25 daily", "2026-02-01 daily", "2026-02-08 daily",
                              "2026-02-15 daily", "2026-02-22 daily", "2026-02-24 daily", "2026-02-25 daily",
                              "2026-02-26 daily", "2026-02-27 daily", "2026-02-28 daily", "2026-03-01 deletion",
                              "2026-06-01 daily"}));
    }

    void retentionCountsComeFromTheConfigurationFile()
    {
        CConfiguration *config = CConfiguration::instance();
        config->setGroup(Config::Group::Backup);
        config->setValue(Config::Key::DailyCopies, 3);
        config->setValue(Config::Key::WeeklyCopies, QStringLiteral("many"));
        CBackupRetention retention = CBackupRetention::fromConfiguration();
        QCOMPARE(retention.daily, 3);
        QCOMPARE(retention.weekly, 8);
        config->setValue(Config::Key::DailyCopies, -1);
        QCOMPARE(CBackupRetention::fromConfiguration().daily, 7);
        const QString ini = config->fileName();
        CConfiguration::destroy();
        QFile::remove(ini);

        // Copies that do not follow the naming are never touched.
        TestDatabase db;
        CBackupStore store(db.path());
        QVERIFY(QDir().mkpath(store.folder()));
        QFile own(store.folder() + QStringLiteral("my-copy.db"));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.close();
        retention.daily = 0;
        retention.weekly = 0;
        for (int day = 1; day <= 3; ++day) {
            Utility::Clock::setToday(QDate(2026, 5, day));
            QVERIFY(store.backUpDaily(retention).ok);
        }
        QCOMPARE(describe(store.list()), QStringList({"2026-05-03 daily"}));
        QVERIFY(own.exists());
    }

    void failedCopyIsReportedAndNotKept()
    {
        TestDatabase db;
        CBackupStore store(db.path());
        // The backup folder cannot be made: a file has its name.
        QFile blocker(store.folder().chopped(1));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const CBackupResult result = store.backUpDaily(CBackupRetention());
        QVERIFY(!result.ok);
        QVERIFY(result.fileName.isEmpty());
        QVERIFY(result.error.contains(QDir::toNativeSeparators(store.folder())));

        // A copy into a folder that does not exist leaves nothing behind.
        const QString nowhere = db.folderPath() + QStringLiteral("/missing/copy.db");
        QVERIFY(!store.exportTo(nowhere).ok);
        QVERIFY(!QFileInfo::exists(nowhere));
        QVERIFY(!QFileInfo::exists(nowhere + QStringLiteral(".partial")));

        // Nor may a copy be written over the database itself.
        addVehicle(db.database, QStringLiteral("Mine"));
        QVERIFY(!store.exportTo(db.path()).ok);
        QCOMPARE(vehicles(db.database), 1);

        const QString chosen = db.folderPath() + QStringLiteral("/chosen copy.db");
        QVERIFY(store.exportTo(chosen).ok);
        QVERIFY(store.exportTo(chosen).ok); // replaced
        QCOMPARE(CBackupContents::inspect(chosen).vehicles, 1);
    }

    void damagedCopyIsRefusedByRestore_data()
    {
        QTest::addColumn<int>("damage");
        QTest::newRow("pages overwritten") << 0;
        QTest::newRow("truncated") << 1;
        QTest::newRow("not a Garvo database") << 2;
    }

    void damagedCopyIsRefusedByRestore()
    {
        QFETCH(int, damage);
        TestDatabase db;
        CTransaction transaction(db.database);
        for (int i = 0; i < 200; ++i)
            addVehicle(db.database, QStringLiteral("Vehicle %1 with a long enough name to fill pages").arg(i));
        QVERIFY(transaction.commit());
        CBackupStore store(db.path());
        const QString copy = store.backUp(CBackupFile::Daily).fileName;
        QVERIFY(CBackupContents::inspect(copy).intact);

        QFile file(copy);
        if (damage == 2) {
            QVERIFY(file.remove());
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(copy);
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(other).exec(QStringLiteral("CREATE TABLE photos (id integer)")));
            other.close();
            other = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        } else {
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (damage == 1) {
                QVERIFY(file.resize(file.size() / 2));
            } else {
                // Past the first pages: the schema stays readable, the rows do not.
                QVERIFY(file.seek(file.size() / 2));
                file.write(QByteArray(8192, '\x5a'));
            }
            file.close();
        }

        const CBackupContents contents = CBackupContents::inspect(copy);
        QVERIFY(!contents.intact);
        QVERIFY(!contents.problem.isEmpty());
        const CBackupResult result = store.restore(copy, db.database);
        QVERIFY(!result.ok);
        QVERIFY(db.database->isOpen());
        QCOMPARE(vehicles(db.database), 200);
        // Refused before anything was touched: no copy of the current records was needed.
        QCOMPARE(store.list().size(), 1);
    }

    void restoreBringsBackTheCopyAndKeepsWhatItReplaced()
    {
        TestDatabase db;
        addVehicle(db.database, QStringLiteral("Golf"));
        CBackupStore store(db.path());
        Utility::Clock::setNow(QDateTime(QDate(2026, 4, 1), QTime(8, 0)));
        const QString monday = store.backUp(CBackupFile::Daily).fileName;
        addVehicle(db.database, QStringLiteral("Polo"));
        // Left behind by a restore that was killed halfway.
        QFile stale(db.path() + QStringLiteral(".restore"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("half");
        stale.close();

        Utility::Clock::setNow(QDateTime(QDate(2026, 4, 2), QTime(8, 0)));
        const CBackupResult result = store.restore(monday, db.database);
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(db.database->isOpen());
        QCOMPARE(vehicles(db.database), 1);
        QCOMPARE(db.scalar(QStringLiteral("SELECT vehicle_name FROM vehicle")).toString(), QStringLiteral("Golf"));
        addVehicle(db.database, QStringLiteral("Writable after the restore"));

        QCOMPARE(CBackupFile::fromPath(result.fileName).reason(), CBackupFile::BeforeRestore);
        QCOMPARE(CBackupContents::inspect(result.fileName).vehicles, 2);
        QVERIFY(!stale.exists());
        QCOMPARE(namesIn(db.folderPath()), QStringList({"backups", "garvo.db"}));
    }

    void restoreLeavesTheDatabaseAloneWhenItCannotSwap()
    {
        TestDatabase db;
        addVehicle(db.database, QStringLiteral("Golf"));
        CBackupStore store(db.path());
        const QString copy = store.backUp(CBackupFile::Daily).fileName;
        addVehicle(db.database, QStringLiteral("Polo"));

        // A journal beside the file would be played back into whatever file
        // then carries the name.
        QFile journal(db.path() + QStringLiteral("-journal"));
        QVERIFY(journal.open(QIODevice::WriteOnly));
        journal.close();
        const CBackupResult refused = store.restore(copy, db.database);
        QVERIFY(!refused.ok);
        QVERIFY(!refused.error.isEmpty());
        // Opening the database again probes writing, which may clear the
        // empty journal already.
        journal.remove();
        QVERIFY(db.database->isOpen());
        QCOMPARE(vehicles(db.database), 2);

        // Not in the middle of a change either.
        CTransaction transaction(db.database);
        QVERIFY(!store.restore(copy, db.database).ok);
        QVERIFY(transaction.commit());
        QCOMPARE(vehicles(db.database), 2);
    }
};

GARVO_TEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
