#include "testsupport.h"
#include "utility/utility.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

using namespace Utility;

namespace {
void writeFile(const QString &path, const QByteArray &content = QByteArray("x"))
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
} // namespace

class TestUtility : public QObject
{
    Q_OBJECT

private slots:
    void roundTo_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("text");

        QTest::newRow("half rounds up") << 2.5 << 0 << 3.0 << "3";
        QTest::newRow("negative half rounds towards plus infinity") << -2.5 << 0 << -2.0 << "-2";
        QTest::newRow("below half rounds down") << 2.449 << 1 << 2.4 << "2.4";
        QTest::newRow("binary 1.005 still rounds up") << 1.005 << 2 << 1.01 << "1.01";
        QTest::newRow("binary 0.285 still rounds up") << 0.285 << 2 << 0.29 << "0.29";
        QTest::newRow("binary 2.345 negated rounds towards plus infinity") << -2.345 << 2 << -2.34 << "-2.34";
        QTest::newRow("zero digits pads nothing") << 7.0 << 0 << 7.0 << "7";
        QTest::newRow("decimals are padded") << 3.1 << 3 << 3.1 << "3.100";
        QTest::newRow("negative digits round to hundreds") << 1250.0 << -2 << 1300.0 << "1300";
        QTest::newRow("negative digits below half") << 1249.0 << -2 << 1200.0 << "1200";
        QTest::newRow("negative value, negative digits") << -1250.0 << -2 << -1200.0 << "-1200";
        QTest::newRow("percent of a download") << 512.0 / 1024.0 * 100 << 0 << 50.0 << "50";
    }

    void roundTo()
    {
        QFETCH(double, value);
        QFETCH(int, digits);
        QFETCH(double, expected);
        QFETCH(QString, text);
        QCOMPARE(Utility::roundTo(value, digits), expected);
        QCOMPARE(numberToString(value, digits), text);
    }

    void numberToStringIgnoresTheSystemLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German));
        const QString text = numberToString(1234.5, 2);
        QLocale::setDefault(saved);
        QCOMPARE(text, QStringLiteral("1234.50"));
    }

    void dataLocationsAreCreatedBelowTheUserDataFolder()
    {
        const QString download = downloadDirectory();
        QVERIFY(download.startsWith(TestSupport::userRoot()));
        QVERIFY(download.endsWith(QStringLiteral("/download/")));
        QVERIFY(QDir(download).exists());
        QDir(download).removeRecursively();
        QVERIFY(QDir(downloadDirectory()).exists());
        QCOMPARE(QDir::cleanPath(dataDirectory() + QStringLiteral("..")),
                 QDir::cleanPath(applicationDirectory() + QStringLiteral("..")));
    }

    void readTextFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notes.txt"));
        writeFile(path, QStringLiteral("Ölwechsel 'ok' 100%\r\nzweite").toUtf8());
        QCOMPARE(Utility::readTextFile(path), QStringLiteral("Ölwechsel 'ok' 100%\nzweite"));
        QCOMPARE(Utility::readTextFile(dir.filePath(QStringLiteral("missing.txt"))), QString());
    }

    void waitForKeepsProcessingEvents()
    {
        bool fired = false;
        QTimer::singleShot(0, this, [&fired] { fired = true; });
        waitFor(20);
        QVERIFY(fired);
    }

    void removeDirectoryDeletesHiddenEntriesButNotLinkTargets()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("tree"));
        const QString outside = dir.filePath(QStringLiteral("outside"));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/.hidden/sub")));
        QVERIFY(QDir().mkpath(outside));
        writeFile(root + QStringLiteral("/.dotfile"));
        writeFile(root + QStringLiteral("/.hidden/sub/file"));
        writeFile(outside + QStringLiteral("/keep"));
        QVERIFY(QFile::link(outside, root + QStringLiteral("/link")));

        QVERIFY(removeDirectory(root));
        QVERIFY(!QFileInfo::exists(root));
        QVERIFY(QFileInfo::exists(outside + QStringLiteral("/keep")));
        QVERIFY2(removeDirectory(root), "a missing folder counts as removed");
        QVERIFY2(!removeDirectory(outside + QStringLiteral("/keep")), "a file is not a folder");
        QVERIFY(QFileInfo::exists(outside + QStringLiteral("/keep")));
    }
};

GARVO_TEST_GUILESS_MAIN(TestUtility)
#include "tst_utility.moc"
