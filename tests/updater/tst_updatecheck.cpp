#include "application/configuration.h"
#include "modules/updater/garvoupdater.h"
#include "testserver.h"
#include "testsupport.h"
#include "updatertesthelpers.h"
#include "utility/clock.h"
#include "utility/prompt.h"
#include "utility/utility.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

using Utility::Prompt;

Q_DECLARE_METATYPE(TestServer::Reply)

namespace {

// The application's updater with the update dialog replaced by a count.
class CheckingUpdater : public GarvoUpdater
{
public:
    int dialogs = 0;
    void update() override { ++dialogs; }
};

QByteArray versionReply(const QByteArray &version)
{
    return R"({"status":"success","data":{"application":"garvo2win","version":")" + version
           + R"(","release_notes":"Faster fuel log","sha256":")" + QByteArray(64, 'a') + "\"}}";
}

QStringList shownTexts()
{
    QStringList texts;
    for (const Prompt::Shown &shown : Prompt::shown())
        texts << shown.title + QStringLiteral(": ") + shown.text;
    return texts;
}

// Each text equals its pattern, where "…" stands for any text.
bool matches(const QStringList &texts, const QStringList &patterns)
{
    if (texts.size() != patterns.size())
        return false;
    for (int i = 0; i < texts.size(); ++i) {
        const QStringList pieces = patterns[i].split(QStringLiteral("…"));
        int at = 0;
        for (int p = 0; p < pieces.size(); ++p) {
            const int found = texts[i].indexOf(pieces[p], at);
            if (found < 0 || (p == 0 && found != 0))
                return false;
            at = found + pieces[p].size();
        }
        if (!pieces.last().isEmpty() && at != texts[i].size())
            return false;
    }
    return true;
}

const QByteArray errorReply = R"({"status":"error","message":"Down for maintenance"})";
const QByteArray otherReply = R"({"status":"denied","data":{"message":"Unknown product"}})";

const QString connectionError = QStringLiteral("Garvo: Error connecting to server. Please try later.");
const QString versionPath = QStringLiteral("/garvo2win/version");

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestServer> server;

    void useServer(TestServer *newServer)
    {
        server.reset(newServer);
        qputenv("GARVO_UPDATE_URL", server->baseUrl().toUtf8());
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("2.1.1.9")); }

    void init()
    {
        Prompt::setScripted(true);
        CConfiguration::destroy();
        QFile::remove(Utility::dataDirectory() + QStringLiteral("garvo.ini"));
        updaterConfig()->setValue(Config::Key::VersionCheckOnAppStart, 0);
        updaterConfig()->setValue(Config::Key::AutocheckEnabled, 0);
        useServer(new TestServer);
        Utility::Clock::setNow(QDateTime(QDate(2027, 5, 4), QTime(10, 30)));
    }

    void cleanup()
    {
        Prompt::setScripted(false);
        Utility::Clock::reset();
        server.reset();
    }

    void serverReplies_data()
    {
        QTest::addColumn<TestServer::Reply>("reply");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QStringList>("shown");

        const QStringList upToDate{QStringLiteral("Update Info: You are running the latest version of Garvo.\n\n"
                                                  "Thanks for staying up-to-date!")};
        const QStringList newer{QStringLiteral("Application Update: Application NEW version available!\n\n"
                                               "Do you want to update now?")};
        const TestServer::Reply error{200, errorReply};
        const TestServer::Reply other{200, otherReply};
        const TestServer::Reply garbage{200, "<html>proxy page</html>"};
        const TestServer::Reply missing{404, "<h1>gone & lost</h1>"};

        for (const bool silent : {false, true}) {
            const char *mode = silent ? "silent" : "asked";
            const auto row = [&](const char *name) -> QTestData & { return QTest::addRow("%s, %s", name, mode); };
            row("newer by build") << TestServer::Reply{200, versionReply("2.1.1.10")} << silent << true << newer;
            row("equal") << TestServer::Reply{200, versionReply("2.1.1.9")} << silent << true
                         << (silent ? QStringList() : upToDate);
            row("error status") << error << silent << false
                                << (silent ? QStringList() : QStringList{"Garvo: Down for maintenance"});
            row("other status") << other << silent << false
                                << (silent ? QStringList() : QStringList{"Garvo: Unknown product"});
            row("not JSON") << garbage << silent << false
                            << (silent ? QStringList()
                                       : QStringList{"Garvo: The update server sent an answer that could not be read."});
            row("not found") << missing << silent << false
                             << (silent ? QStringList()
                                        : QStringList{connectionError + "<br/><br/>…"
                                                      "<br/><br/>Site response: <br/>&lt;h1&gt;gone &amp; lost&lt;/h1&gt;"});
        }
    }

    void serverReplies()
    {
        QFETCH(TestServer::Reply, reply);
        QFETCH(bool, silent);
        QFETCH(bool, answered);
        server->setReply(versionPath, reply);
        Prompt::queueAnswer(QMessageBox::No);

        CheckingUpdater updater;
        const Version before = updater.latestVersion();
        QCOMPARE(updater.checkForUpdates(silent), answered);

        QFETCH(QStringList, shown);
        QVERIFY2(matches(shownTexts(), shown), qPrintable(shownTexts().join(QLatin1Char('|'))));
        QCOMPARE(updater.dialogs, 0);
        QCOMPARE(server->lastHeaders.value("user-agent"), QByteArray("Garvo 2.1.1.9"));
        if (answered) {
            QCOMPARE(updater.lastCheck(), Utility::Clock::now());
            QCOMPARE(updaterConfig()->value(Config::Key::LastCheck).toString(), QStringLiteral("2027-05-04 10:30:00"));
            QCOMPARE(updater.releaseNotes(), QStringLiteral("Faster fuel log"));
        } else {
            QCOMPARE(updater.latestVersion(), before);
            QCOMPARE(updater.lastCheck(), QDateTime(QDate(2013, 11, 1), QTime(0, 0)));
        }
    }

    void yesOpensTheUpdateDialog()
    {
        server->setReply(versionPath, 200, versionReply("2.2"));
        Prompt::queueAnswer(QMessageBox::Yes);
        CheckingUpdater updater;
        QVERIFY(updater.checkForUpdates(true));
        QCOMPARE(updater.dialogs, 1);
        QCOMPARE(updater.packageDigest(), QString(64, QLatin1Char('a')));
        QCOMPARE(updaterConfig()->value(Config::Key::LatestVersion).toString(), QStringLiteral("2.2.0.0"));
    }

    void noAnswerEndsWithTheTimeOut()
    {
        server->setReply(versionPath, TestServer::Reply{200, {}, TestServer::Reply::NoAnswer});
        CheckingUpdater updater;
        updater.setRequestTimeout(300);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!updater.checkForUpdates(false));
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY2(matches(shownTexts(), {connectionError + "<br/><br/>The server did not answer in time."}),
                 qPrintable(shownTexts().join('|')));
    }

    // The request's event loop lets the timer, the menu or a button ask
    // again while a check is waiting.
    void checksDoNotPileUp()
    {
        server->setReply(versionPath, TestServer::Reply{200, {}, TestServer::Reply::NoAnswer});
        CheckingUpdater updater;
        updater.setRequestTimeout(1000);
        bool nestedAnswer = true;
        QTimer::singleShot(200, &updater, [&] {
            updater.checkForNewVersionTimeout();
            updater.checkForNewVersionNow();
            nestedAnswer = updater.checkForUpdates(false);
        });
        QVERIFY(!updater.checkForUpdates(true));
        QVERIFY(!nestedAnswer);
        QCOMPARE(server->requests, 1);
        QVERIFY2(matches(shownTexts(), {"Garvo: An update check is already running."}),
                 qPrintable(shownTexts().join('|')));

        // A failed timed check is not repeated at the next tick.
        updater.checkForNewVersionTimeout();
        updater.checkForNewVersionTimeout();
        QCOMPARE(server->requests, 2);
    }

    void selfSignedServerIsRefused()
    {
        useServer(new TestServer(true));
        server->setReply(versionPath, 200, versionReply("9.0"));
        CheckingUpdater updater;
        QVERIFY(!updater.checkForUpdates(false));
        QVERIFY2(matches(shownTexts(), {connectionError + "<br/><br/>The server's certificate was not accepted: …"}),
                 qPrintable(shownTexts().join('|')));
        QCOMPARE(updater.latestVersion().toString(), QStringLiteral("2.1.1.9"));
    }

    void plainHttpOnlyToThisMachine()
    {
        qputenv("GARVO_UPDATE_URL", "http://updates.example.org");
        CheckingUpdater updater;
        QVERIFY(!updater.checkForUpdates(false));
        QVERIFY2(matches(shownTexts(), {connectionError + "<br/><br/>Only secure (https) addresses are used: …"}),
                 qPrintable(shownTexts().join('|')));
    }

    void silentCheckWaitsForAnOpenModalWindow()
    {
        server->setReply(versionPath, 200, versionReply("2.2"));
        Prompt::queueAnswer(QMessageBox::No);
        CheckingUpdater updater;
        QDialog setup;
        setup.setWindowModality(Qt::ApplicationModal);
        setup.show();
        QVERIFY(!updater.checkForUpdates(true));
        QVERIFY(!updater.checkForUpdates(true));
        QCOMPARE(server->requests, 0);
        setup.close();
        QTRY_COMPARE_WITH_TIMEOUT(server->requests, 1, 8000);
        QTRY_COMPARE(Prompt::shown().size(), 1);
        QTest::qWait(2500);
        QCOMPARE(server->requests, 1); // one waiting check, however often asked
    }

    void startCheckRunsWithoutAutocheck()
    {
        updaterConfig()->setValue(Config::Key::VersionCheckOnAppStart, 1);
        server->setReply(versionPath, 200, versionReply("2.1.1.9"));
        CheckingUpdater updater;
        QVERIFY(!updater.isTimerActive());
        QTRY_COMPARE_WITH_TIMEOUT(server->requests, 1, 8000);
        QVERIFY(shownTexts().isEmpty()); // silent
    }
};

GARVO_TEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
