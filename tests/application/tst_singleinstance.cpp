#include "application/qtsingleapplication.h"
#include "testsupport.h"

#include <QProcess>
#include <QSignalSpy>
#include <QWidget>

#include <memory>

// This test program is itself the primary instance of its temporary user
// folders; helper processes start beside it, sharing or not sharing them.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    static QtSingleApplication *app() { return static_cast<QtSingleApplication *>(qApp); }

    // Environment of a helper; with `dataHome` it has a data location of its own.
    static QProcessEnvironment environment(const QString &dataHome = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!dataHome.isEmpty())
            env.insert(QStringLiteral("XDG_DATA_HOME"), TestSupport::userRoot() + QLatin1Char('/') + dataHome);
        return env;
    }

    static std::unique_ptr<QProcess> start(const QStringList &arguments, const QString &dataHome = QString())
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment(dataHome));
        process->start(QStringLiteral(SINGLEINSTANCE_HELPER), arguments);
        return process;
    }

    // Runs a helper to its end while this process keeps serving messages.
    static QStringList run(const QStringList &arguments, const QString &dataHome = QString())
    {
        const auto process = start(arguments, dataHome);
        if (!QTest::qWaitFor([&] { return process->state() == QProcess::NotRunning; }, 15000))
            process->kill();
        return QString::fromUtf8(process->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Waits until a running helper has printed `lines` lines.
    static QStringList readLines(QProcess &process, int lines)
    {
        QStringList output;
        (void)QTest::qWaitFor(
            [&] {
                while (process.canReadLine())
                    output << QString::fromUtf8(process.readLine()).trimmed();
                return output.size() >= lines || process.state() == QProcess::NotRunning;
            },
            15000);
        return output;
    }

private slots:
    // A lock file of garbage was waited for, 3 s at every start, and stayed.
    void lockFileOfGarbageIsNoLock()
    {
        const QString home = QStringLiteral("garbage");
        const QString lock = run({QStringLiteral("crash")}, home).value(1) + QStringLiteral(".lock");
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x01\x02 not a lock\n");
        file.close();

        QCOMPARE(run({QStringLiteral("send"), QString(), QStringLiteral("100")}, home),
                 QStringList{QStringLiteral("running=0 delivered=0")});
        QVERIFY(!QFile::exists(lock));
    }

    void testProcessIsThePrimaryInstance()
    {
        QVERIFY(!app()->isRunning());
        QVERIFY2(!app()->sendMessage(QStringLiteral("Wake up!"), 100), "nobody else to tell");
    }

    void secondStartDeliversItsMessage_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("wake up") << QStringLiteral("Wake up!");
        QTest::newRow("unicode, quotes and percent") << QStringLiteral("Größe 'ü' 100% ✓ %1");
        QTest::newRow("empty") << QString();
    }

    void secondStartDeliversItsMessage()
    {
        QFETCH(QString, message);
        QSignalSpy received(app(), &QtSingleApplication::messageReceived);
        const QStringList output = run({QStringLiteral("send"), message, QStringLiteral("5000")});
        QCOMPARE(output, QStringList{QStringLiteral("running=1 delivered=1")});
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.first().first().toString(), message);
    }

    void messageActivatesTheWindow_data()
    {
        QTest::addColumn<bool>("activateOnMessage");
        QTest::newRow("with activation") << true;
        QTest::newRow("without activation") << false;
    }

    void messageActivatesTheWindow()
    {
        QFETCH(bool, activateOnMessage);
        QWidget window;
        app()->setActivationWindow(&window, activateOnMessage);
        QCOMPARE(app()->activationWindow(), &window);
        run({QStringLiteral("send"), QStringLiteral("Wake up!"), QStringLiteral("5000")});
        QCOMPARE(window.isVisible(), activateOnMessage);
        app()->setActivationWindow(nullptr, false);
    }

    void crashedInstanceDoesNotBlockTheNextStart()
    {
        const QString home = QStringLiteral("crashed");
        const QStringList crashed = run({QStringLiteral("crash")}, home);
        QCOMPARE(crashed.value(0), QStringLiteral("primary"));
        QVERIFY2(QFileInfo::exists(crashed.value(1)), "the crash left its socket behind");

        const auto primary = start({QStringLiteral("primary")}, home);
        QCOMPARE(readLines(*primary, 2).value(0), QStringLiteral("primary"));
        QCOMPARE(run({QStringLiteral("send"), QStringLiteral("Wake up!"), QStringLiteral("5000")}, home),
                 QStringList{QStringLiteral("running=1 delivered=1")});
        QCOMPARE(readLines(*primary, 1), QStringList{QStringLiteral("received:Wake up!")});
        run({QStringLiteral("send"), QStringLiteral("quit"), QStringLiteral("5000")}, home);
        QTRY_COMPARE_WITH_TIMEOUT(primary->state(), QProcess::NotRunning, 5000);
    }

    void unresponsiveInstanceStillCountsAsRunning()
    {
        const QString home = QStringLiteral("hung");
        const auto hung = start({QStringLiteral("hang"), QStringLiteral("10000")}, home);
        QCOMPARE(readLines(*hung, 2).value(0), QStringLiteral("primary"));
        QCOMPARE(run({QStringLiteral("send"), QStringLiteral("Wake up!"), QStringLiteral("300")}, home),
                 QStringList{QStringLiteral("running=1 delivered=0")});
        hung->kill();
        hung->waitForFinished();
    }

    void simultaneousStartsMakeOnePrimary()
    {
        const QString home = QStringLiteral("race");
        const auto first = start({QStringLiteral("hang"), QStringLiteral("10000")}, home);
        const auto second = start({QStringLiteral("hang"), QStringLiteral("10000")}, home);
        QStringList roles{readLines(*first, 1).value(0), readLines(*second, 1).value(0)};
        roles.sort();
        QCOMPARE(roles, (QStringList{QStringLiteral("primary"), QStringLiteral("secondary")}));
        for (QProcess *process : {first.get(), second.get()}) {
            process->kill();
            process->waitForFinished();
        }
    }
};

GARVO_TEST_MAIN_IMPL(TestSingleInstance, QtSingleApplication)
#include "tst_singleinstance.moc"
