#include "testsupport.h"

#include "database/database.h"
#include "database/settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>

#include <memory>

// The built program, started as a separate process with user folders of its own.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> root;
    std::vector<std::unique_ptr<QProcess>> processes;

    QString dataHome() const { return root->filePath(QStringLiteral("data")); }
    QString appFolder() const { return dataHome() + QStringLiteral("/Kestrel Row/Garvo/"); }
    QString databasePath() const { return appFolder() + QStringLiteral("data/garvo.db"); }

    QProcess *start(const QStringList &arguments = QStringList())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), root->filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root->filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), root->filePath(QStringLiteral("cache")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root->filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        processes.push_back(std::make_unique<QProcess>());
        QProcess *process = processes.back().get();
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(GARVO_EXECUTABLE), arguments);
        return process;
    }

    // The tables of the program's database, read through a connection of our own.
    QStringList tables() const
    {
        if (!QFile::exists(databasePath()))
            return {};
        QStringList result;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
            db.setDatabaseName(databasePath());
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (db.open())
                result = db.tables(QSql::Tables);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("probe"));
        result.sort();
        return result;
    }

    // True once start-up has built every table, i.e. the main window exists.
    bool waitUntilBuilt(QProcess *process)
    {
        return QTest::qWaitFor([&] { return tables().size() == 10 || process->state() == QProcess::NotRunning; },
                               30000) &&
               process->state() == QProcess::Running;
    }

    // Stores the first-run flag, so no setup wizard waits for an answer.
    void presetSetupDone()
    {
        QVERIFY(QDir().mkpath(QFileInfo(databasePath()).path()));
        CDatabase db(databasePath());
        QVERIFY2(db.isOpen(), qPrintable(db.errorText()));
        CSettings settings(&db);
        QVERIFY(settings.setValue(QStringLiteral("InitialApplicationSetupDone"), 1));
    }

private slots:
    void init()
    {
        root = std::make_unique<QTemporaryDir>();
        QVERIFY(root->isValid());
        for (const char *sub : {"home", "data", "config", "cache", "runtime"})
            QVERIFY(QDir(root->path()).mkpath(QLatin1String(sub)));
        QFile::setPermissions(root->filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void cleanup()
    {
        for (auto &process : processes) {
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(5000))
                    process->kill();
                process->waitForFinished(5000);
            }
        }
        processes.clear();
        root.reset();
    }

    void firstStartCreatesDatabaseAndConfiguration()
    {
        QProcess *garvo = start();
        QVERIFY(waitUntilBuilt(garvo));
        QCOMPARE(tables(), (QStringList{"expense", "fuellog", "note", "odometerlog", "service_item",
                                        "service_schedule", "service_session", "settings", "vehicle",
                                        "vehicletype"}));
        QVERIFY(QFile::exists(appFolder() + QStringLiteral("data/garvo.ini")));
    }

    void secondStartWakesTheFirstAndEnds()
    {
        presetSetupDone();
        QProcess *first = start();
        QVERIFY(waitUntilBuilt(first));

        QElapsedTimer clock;
        clock.start();
        QProcess *second = start();
        QVERIFY(QTest::qWaitFor([&] { return second->state() == QProcess::NotRunning; }, 15000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(200);
        QCOMPARE(first->state(), QProcess::Running);
    }

    void cleanDownloadsSwitchRemovesDownloadsThenStarts()
    {
        presetSetupDone();
        const QString package = appFolder() + QStringLiteral("download/garvo-update/package.zip");
        QVERIFY(QDir().mkpath(QFileInfo(package).path()));
        QFile file(package);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("zip");
        file.close();

        QProcess *garvo = start({QStringLiteral("-cleandf")});
        QVERIFY(waitUntilBuilt(garvo));
        QVERIFY(!QFileInfo::exists(appFolder() + QStringLiteral("download")));
    }
};

GARVO_TEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
