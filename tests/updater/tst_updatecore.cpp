#include "application/configuration.h"
#include "modules/updater/updater.h"
#include "modules/updater/updateserver.h"
#include "testsupport.h"
#include "updatertesthelpers.h"
#include "utility/clock.h"
#include "utility/networkaccess.h"
#include "utility/utility.h"

using Utility::Clock;

namespace {

// The check itself belongs to the application's updater; these tests need
// only the stored preferences and the schedule.
class ScheduleOnly : public Updater
{
public:
    int checks = 0;
    bool checkForUpdates(bool) override
    {
        ++checks;
        return true;
    }
    void update() override {}
};

const QString sha = QStringLiteral("9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08");

// Replies kept out of the test class: moc does not read raw strings there.
const QByteArray successWithDigest = R"({"status":"success","data":{"application":"garvo2win","version":"2.1.2.10",)"
                                     R"("release_notes":"<b>New</b>","sha256":")"
                                     + sha.toUpper().toLatin1() + "\"}}";
const QByteArray shortDigest = R"({"status":"success","data":{"version":"2.2","sha256":"abc"}})";
const QByteArray errorStatus = R"({"status":"error","message":"Down for maintenance","data":{"message":"no"}})";
const QByteArray otherStatus = R"({"status":"denied","message":"no","data":{"message":"Unknown product"}})";
const QByteArray noStatus = R"({"data":{"version":"9.9"}})";
const QByteArray noVersion = R"({"status":"success","data":{}})";

} // namespace

class TestUpdateCore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("2.1.1.9")); }

    void init()
    {
        qunsetenv("GARVO_UPDATE_URL");
        CConfiguration::destroy();
        QFile::remove(Utility::dataDirectory() + QStringLiteral("garvo.ini"));
        updaterConfig()->setValue(Config::Key::VersionCheckOnAppStart, 0);
    }

    void cleanup() { Clock::reset(); }

    void versionParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("four parts") << "2.1.1.9" << "2.1.1.9";
        QTest::newRow("missing parts are 0") << "2.1" << "2.1.0.0";
        QTest::newRow("garbage parts are 0") << " 2.x.3.beta " << "2.0.3.0";
        QTest::newRow("empty part kept in place") << "2..5.1" << "2.0.5.1";
        QTest::newRow("extra parts ignored") << "1.2.3.4.5" << "1.2.3.4";
        QTest::newRow("nothing") << "" << "0.0.0.0";
    }

    void versionParsing()
    {
        QFETCH(QString, text);
        QTEST(Version::fromString(text).toString(), "expected");
    }

    void versionComparison()
    {
        const Version running = Version::fromString(QStringLiteral("2.1.1.9"));
        QVERIFY(running.isLessThan(Version::fromString(QStringLiteral("2.1.1.10"))));
        QVERIFY(!Version::fromString(QStringLiteral("2.1.1.10")).isLessThan(running));
        QVERIFY(!running.isLessThan(running));
        QVERIFY(Version::fromString(QStringLiteral("1.9.9.99")).isLessThan(running));
        QVERIFY(Version::fromString(QStringLiteral("2.1")) == Version::fromString(QStringLiteral("2.1.0.0")));
        QCOMPARE(running.displayText(), QStringLiteral("Version 2.1.1 (build 9)"));
        QCOMPARE(running.toString(QStringLiteral(" b"), true), QStringLiteral("2.1.1 b9"));
        QCOMPARE(running.toString(QStringLiteral("."), false), QStringLiteral("2.1.1"));
    }

    void versionReply_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("digest");

        const QString unreadable = QStringLiteral("The update server sent an answer that could not be read.");
        QTest::newRow("success with digest")
            << successWithDigest << true << QString() << "2.1.2.10" << sha;
        QTest::newRow("digest that is not one is dropped")
            << shortDigest << true << QString()
            << "2.2" << QString();
        QTest::newRow("error reads the top message")
            << errorStatus << false
            << "Down for maintenance" << QString() << QString();
        QTest::newRow("other status reads the data message")
            << otherStatus << false
            << "Unknown product" << QString() << QString();
        QTest::newRow("not JSON") << QByteArray("<html>gateway</html>") << false << unreadable << QString()
                                  << QString();
        QTest::newRow("no status") << noStatus << false << unreadable
                                   << QString() << QString();
        QTest::newRow("success without a version") << noVersion << false
                                                   << unreadable << QString() << QString();
    }

    void versionReply()
    {
        QFETCH(QByteArray, json);
        const UpdateServer::VersionReply reply = UpdateServer::VersionReply::parse(json);
        QTEST(reply.success, "success");
        QTEST(reply.message, "message");
        QTEST(reply.version, "version");
        QTEST(reply.sha256, "digest");
    }

    void transportPolicy_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("https anywhere") << "https://updates.example.org/garvo2win/version" << true;
        QTest::newRow("http to 127.0.0.1") << "http://127.0.0.1:8000/x" << true;
        QTest::newRow("http to ::1") << "http://[::1]:8000/x" << true;
        QTest::newRow("http to localhost") << "http://LocalHost:8000/x" << true;
        QTest::newRow("http elsewhere") << "http://updates.example.org/x" << false;
        QTest::newRow("http to a name starting like loopback") << "http://127.0.0.1.example.org/x" << false;
        QTest::newRow("ftp") << "ftp://127.0.0.1/x" << false;
        QTest::newRow("file") << "file:///tmp/x" << false;
        QTest::newRow("no host") << "https:///x" << false;
    }

    void transportPolicy()
    {
        QFETCH(QString, url);
        QTEST(Utility::isTransportAllowed(QUrl(url)), "allowed");
    }

    void serverAddressOverrides()
    {
        QCOMPARE(UpdateServer::versionUrl().scheme(), QStringLiteral("https"));
        updaterConfig()->setValue(Config::Key::ServerUrl, QStringLiteral("https://mirror.example.org/up/"));
        QCOMPARE(UpdateServer::versionUrl().toString(), QStringLiteral("https://mirror.example.org/up/garvo2win/version"));
        qputenv("GARVO_UPDATE_URL", "http://127.0.0.1:9");
        QCOMPARE(UpdateServer::downloadUrl(Version::fromString(QStringLiteral("2.1.1.9"))).toString(),
                 QStringLiteral("http://127.0.0.1:9/garvo2win/download/update?current_version=2.1.1.9"));
    }

    void storedPreferences()
    {
        ScheduleOnly fresh;
        QCOMPARE(fresh.latestVersion().toString(), QStringLiteral("2.1.1.9"));
        QCOMPARE(fresh.lastCheck(), QDateTime(QDate(2013, 11, 1), QTime(0, 0)));
        QCOMPARE(fresh.autocheckPeriod(), int(Updater::Weekly));
        QVERIFY(fresh.autocheck() && fresh.isTimerActive());
        QCOMPARE(updaterConfig()->value(Config::Key::AutocheckEnabled).toInt(), 1);

        fresh.setLatestVersion(QStringLiteral("2.1.2"));
        fresh.disableAutocheck();
        fresh.setAutocheckPeriod(3);
        QVERIFY(!fresh.isTimerActive());
        QCOMPARE(updaterConfig()->value(Config::Key::LatestVersion).toString(), QStringLiteral("2.1.2.0"));
        QCOMPARE(updaterConfig()->value(Config::Key::AutocheckEnabled).toInt(), 0);

        ScheduleOnly again;
        QVERIFY(again.isNewVersionAvailable());
        QVERIFY(!again.autocheck() && !again.isTimerActive());
        QCOMPARE(again.autocheckPeriod(), int(Updater::Monthly));
    }

    void nextCheckTime_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<QDateTime>("next");
        const QTime noon(12, 0);
        QTest::newRow("daily") << 1 << QDateTime(QDate(2027, 12, 31), noon) << QDateTime(QDate(2028, 1, 1), noon);
        QTest::newRow("weekly") << 2 << QDateTime(QDate(2027, 3, 1), noon) << QDateTime(QDate(2027, 3, 8), noon);
        QTest::newRow("monthly from 31 January")
            << 3 << QDateTime(QDate(2027, 1, 31), noon) << QDateTime(QDate(2027, 2, 28), noon);
        QTest::newRow("monthly from 31 January, leap year")
            << 3 << QDateTime(QDate(2028, 1, 31), noon) << QDateTime(QDate(2028, 2, 29), noon);
        // Period 0 would make every timer tick ask the server.
        QTest::newRow("stored 0 reads as weekly")
            << 0 << QDateTime(QDate(2027, 3, 1), noon) << QDateTime(QDate(2027, 3, 8), noon);
        QTest::newRow("stored 7 reads as weekly")
            << 7 << QDateTime(QDate(2027, 3, 1), noon) << QDateTime(QDate(2027, 3, 8), noon);
    }

    void nextCheckTime()
    {
        QFETCH(int, period);
        QFETCH(QDateTime, last);
        updaterConfig()->setValue(Config::Key::AutocheckPeriod, period);
        updaterConfig()->setValue(Config::Key::LastCheck, last.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        ScheduleOnly updater;
        QTEST(updater.nextCheckTime(), "next");
    }

    void timerChecksOnlyWhenDue()
    {
        updaterConfig()->setValue(Config::Key::AutocheckPeriod, 0);
        ScheduleOnly updater;
        updater.setLastCheck(QDateTime(QDate(2027, 3, 1), QTime(12, 0)));
        Clock::setNow(QDateTime(QDate(2027, 3, 8), QTime(11, 59)));
        updater.checkForNewVersionTimeout();
        QCOMPARE(updater.checks, 0);
        Clock::setNow(QDateTime(QDate(2027, 3, 8), QTime(12, 0)));
        updater.checkForNewVersionTimeout();
        QCOMPARE(updater.checks, 1);
        // A period the schedule does not know is not stored.
        updater.setAutocheckPeriod(0);
        QCOMPARE(updater.autocheckPeriod(), int(Updater::Weekly));
    }
};

GARVO_TEST_GUILESS_MAIN(TestUpdateCore)
#include "tst_updatecore.moc"
