#include "testsupport.h"

#include "application/startup.h"
#include "database/database.h"
#include "database/settings.h"
#include "setup/applicationsetupwizarddialog.h"
#include "utility/prompt.h"

#include <QDir>
#include <QSqlQuery>

using Utility::Prompt;

namespace {

// Closes the setup wizard as soon as it shows, as a user closing its window.
// Installed on every application object start-up builds.
class WizardCloser : public QObject
{
public:
    static inline int wizardsShown = 0;

    static void install() { QCoreApplication::instance()->installEventFilter(new WizardCloser); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<CApplicationSetupWizardDialog *>(watched)) {
            ++wizardsShown;
            QMetaObject::invokeMethod(watched, "reject", Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

// Runs the whole start-up in this process, so that its messages can be read.
// runGarvo() builds its own application object, hence no application object
// of the test's own.
class TestStartupInProcess : public QObject
{
    Q_OBJECT

private:
    static QString vehicleTableOf(const QString &databasePath)
    {
        int argc = 1;
        char program[] = "reader";
        char *argv[] = {program, nullptr};
        QCoreApplication reader(argc, argv);
        CDatabase db(databasePath);
        QSqlQuery query;
        if (!db.exec(query, QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'vehicle'")) || !query.next())
            return QString();
        return query.value(0).toString();
    }

    static int runGarvoWith(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("garvo"));
        std::vector<QByteArray> storage;
        for (const QString &argument : arguments)
            storage.push_back(argument.toLocal8Bit());
        std::vector<char *> argv;
        for (QByteArray &argument : storage)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = int(storage.size());
        return runGarvo(argc, argv.data());
    }

private slots:
    void init() { Prompt::setScripted(true); }
    void cleanup() { Prompt::setScripted(false); }

    void updateSwitchWinsOverCleanDownloads()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.path()));
        const QString appFolder = root.path() + QStringLiteral("/Kestrel Row/Garvo/");
        QVERIFY(QDir().mkpath(appFolder + QStringLiteral("download/kept")));

        // This test program's folder holds no unpacked update: nothing installs.
        const int exitCode = runGarvoWith({QStringLiteral("-cleandf"), QStringLiteral("-update")});

        QVERIFY(exitCode != 0);
        QCOMPARE(int(Prompt::shown().size()), 1);
        QVERIFY(QFileInfo::exists(appFolder + QStringLiteral("download/kept")));
        QVERIFY(!QFileInfo::exists(appFolder + QStringLiteral("data/garvo.db")));
    }

    void closedSetupWizardEndsWithZeroAndComesAgain()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.path()));

        QCOMPARE(runGarvoWith({}), 0);
        QCOMPARE(runGarvoWith({}), 0);

        QCOMPARE(WizardCloser::wizardsShown, 2);
        int argc = 1;
        char program[] = "reader";
        char *argv[] = {program, nullptr};
        QCoreApplication reader(argc, argv);
        CDatabase db(root.path() + QStringLiteral("/Kestrel Row/Garvo/data/garvo.db"));
        CSettings settings(&db);
        QCOMPARE(settings.value(QStringLiteral("InitialApplicationSetupDone"), false).toBool(), false);
    }

    void startWithoutUsableDatabaseIsRefused_data()
    {
        QTest::addColumn<QString>("dataHome");
        QTest::addColumn<QByteArray>("existingFile");
        // Running as root, permissions do not stop writes: a plain file where
        // a folder should be does.
        QTest::newRow("data folder cannot be created") << QStringLiteral("afile") << QByteArray();
        QTest::newRow("file is not a database")
            << QStringLiteral("data") << QByteArray("These are notes, not an SQLite database.\n").repeated(40);
    }

    void startWithoutUsableDatabaseIsRefused()
    {
        QFETCH(QString, dataHome);
        QFETCH(QByteArray, existingFile);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString home = root.filePath(dataHome);
        const QString databasePath = home + QStringLiteral("/Kestrel Row/Garvo/data/garvo.db");
        if (existingFile.isEmpty()) {
            QFile plain(home);
            QVERIFY(plain.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(databasePath).path()));
            QFile file(databasePath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(existingFile);
        }
        qputenv("XDG_DATA_HOME", QFile::encodeName(home));

        const int exitCode = runGarvoWith({});

        QVERIFY(exitCode != 0);
        QCOMPARE(int(Prompt::shown().size()), 1);
        const Prompt::Shown &message = Prompt::shown().front();
        QCOMPARE(message.icon, QMessageBox::Critical);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(databasePath).toHtmlEscaped()),
                 qPrintable(message.text));
        if (!existingFile.isEmpty()) {
            // The user's file is left exactly as it was.
            QFile file(databasePath);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), existingFile);
        }
    }

    // A read-only database ran silently and stored nothing; a table that
    // lacked a column showed shifted values and failed every save.
    void startWithDatabaseItCannotWriteIsRefused_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("named");
        QTest::newRow("read-only file") << "read-only" << "cannot be written";
        QTest::newRow("table lacks a column") << "no-column" << "\"vehicle_description\"";
    }

    void startWithDatabaseItCannotWriteIsRefused()
    {
        QFETCH(QString, fault);
        QFETCH(QString, named);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.path()));
        const QString databasePath = root.path() + QStringLiteral("/Kestrel Row/Garvo/data/garvo.db");
        QVERIFY(QDir().mkpath(QFileInfo(databasePath).path()));
        {
            int argc = 1;
            char program[] = "writer";
            char *argv[] = {program, nullptr};
            QCoreApplication writer(argc, argv);
            CDatabase db(databasePath);
            QVERIFY(db.exec(fault == QLatin1String("no-column")
                                ? QStringLiteral("CREATE TABLE vehicle (vehicle_id integer primary key, "
                                                 "vehicle_name text)")
                                : QStringLiteral("CREATE TABLE kept (value text)")));
        }
        QFile file(databasePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        if (fault == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(databasePath, QFileDevice::ReadOwner));

        int exitCode = 0;
        {
            TestSupport::PermissionsEnforced enforced;
            if (!enforced.isEnforced())
                QSKIP("file permissions do not bind this process");
            exitCode = runGarvoWith({});
        }

        QVERIFY(exitCode != 0);
        QCOMPARE(int(Prompt::shown().size()), 1);
        const Prompt::Shown &message = Prompt::shown().front();
        QCOMPARE(message.icon, QMessageBox::Critical);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(databasePath).toHtmlEscaped())
                     && message.text.contains(named.toHtmlEscaped()),
                 qPrintable(message.text));
        if (fault == QLatin1String("read-only")) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
        } else {
            // Missing tables may be added; the vehicle table stays as it was.
            QCOMPARE(vehicleTableOf(databasePath), QStringLiteral("CREATE TABLE vehicle (vehicle_id integer "
                                                                  "primary key, vehicle_name text)"));
        }
    }
};

int main(int argc, char *argv[])
{
    TestSupport::isolateUserDirectories();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A start-up that wrongly runs on into its event loop fails here, not at the CTest time-out.
    qputenv("QTEST_FUNCTION_TIMEOUT", "60000");
    qAddPreRoutine(WizardCloser::install);
    TestStartupInProcess tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_startupinprocess.moc"
