#include "testsupport.h"
#include "utility/numbertext.h"
#include "utility/utility.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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
        QTEST(Utility::roundTo(value, digits), "expected");
        QTEST(numberToString(value, digits), "text");
    }

    void numberToStringIgnoresTheSystemLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German));
        const QString text = numberToString(1234.5, 2);
        QLocale::setDefault(saved);
        QCOMPARE(text, QStringLiteral("1234.50"));
    }

    void numberText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("decimal"); // -1: refused
        QTest::addColumn<int>("whole");      // -1: refused
        QTest::addColumn<QString>("wholeReason");

        QTest::newRow("integer, blanks around") << " 12345 " << 12345.0 << 12345 << "";
        QTest::newRow("decimal point") << "1.5" << 1.5 << -1 << "Enter a whole number, without thousands separators";
        QTest::newRow("decimal comma") << "42,5" << 42.5 << -1 << "Enter a whole number, without thousands separators";
        QTest::newRow("third decimal rounds") << "1,235" << 1.24 << -1
                                              << "Enter a whole number, without thousands separators";
        QTest::newRow("leading mark") << ",5" << 0.5 << -1 << "Enter a whole number, without thousands separators";
        QTest::newRow("trailing mark") << "7." << 7.0 << -1 << "Enter a whole number, without thousands separators";
        QTest::newRow("two marks") << "1,234.5" << -1.0 << -1 << "Enter a whole number, without thousands separators";
        QTest::newRow("two commas") << "1,234,567" << -1.0 << -1
                                    << "Enter a whole number, without thousands separators";
        QTest::newRow("group space") << "1 234" << -1.0 << -1 << "Enter a whole number, without thousands separators";
        QTest::newRow("negative") << "-3" << -1.0 << -1 << "Must not be negative";
        QTest::newRow("exponent") << "1e3" << -1.0 << -1 << "Enter a whole number, without thousands separators";
        QTest::newRow("empty") << "" << -1.0 << -1 << "Enter a number";
        QTest::newRow("largest int") << "2147483647" << 2147483647.0 << 2147483647 << "";
        QTest::newRow("beyond int") << "9999999999" << 9999999999.0 << -1 << "At most 2,147,483,647";
        QTest::newRow("beyond 64 bits") << "99999999999999999999" << 1e20 << -1 << "At most 2,147,483,647";
    }

    // Read the same way under any locale, never as another number; every
    // refusal has a reason.
    void numberText()
    {
        QFETCH(QString, text);
        QFETCH(double, decimal);
        QFETCH(int, whole);

        for (const QLocale &locale : {QLocale(QLocale::German), QLocale(QLocale::English), QLocale::c()}) {
            QLocale::setDefault(locale);
            QString decimalReason = QStringLiteral("unset");
            QString reason = QStringLiteral("unset");
            const std::optional<double> parsedDecimal = NumberText::decimal(text, &decimalReason);
            const std::optional<int> parsedWhole = NumberText::whole(text, &reason);
            QLocale::setDefault(QLocale::c());
            QCOMPARE(parsedDecimal.value_or(-1.0), decimal);
            QCOMPARE(decimalReason.isEmpty(), parsedDecimal.has_value());
            QCOMPARE(parsedWhole.value_or(-1), whole);
            QTEST(reason, "wholeReason");
        }
        QCOMPARE(NumberText::whole(QStringLiteral("2101"), nullptr, 2100), std::nullopt);
    }

    // What a field may hold while a number is typed: a mark of either kind
    // and no more decimals than asked for.
    void numberTypingPattern()
    {
        const QRegularExpression decimals(QRegularExpression::anchoredPattern(NumberText::typingPattern(9, 2)));
        for (const char *text : {"", "1", "1,", "1.", "1,5", "12.50", ",5"})
            QVERIFY2(decimals.match(QLatin1String(text)).hasMatch(), text);
        for (const char *text : {"1,234.5", "0.001", "1e3", "-1", "1234567890"})
            QVERIFY2(!decimals.match(QLatin1String(text)).hasMatch(), text);
        const QRegularExpression whole(QRegularExpression::anchoredPattern(NumberText::typingPattern(10, 0)));
        QVERIFY(whole.match(QStringLiteral("1234567890")).hasMatch());
        QVERIFY(!whole.match(QStringLiteral("1,5")).hasMatch());
        QCOMPARE(NumberText::decimalText(1.005), QStringLiteral("1.01"));
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

    // "link/" named the link's target, which was emptied while the link stayed.
    void removeDirectoryRemovesALinkAsALinkHoweverSpelled_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::newRow("plain") << "link";
        QTest::newRow("trailing separator") << "link/";
        QTest::newRow("doubled separators") << "folder//link//";
        QTest::newRow("dot") << "link/.";
        QTest::newRow("dot-dot after the link") << "link/sub/..";
        QTest::newRow("dot-dot before the link") << "folder/../folder/link/";
    }

    void removeDirectoryRemovesALinkAsALinkHoweverSpelled()
    {
        QFETCH(QString, spelling);
        QTemporaryDir dir;
        const QString outside = dir.filePath(QStringLiteral("outside"));
        QVERIFY(QDir().mkpath(outside + QStringLiteral("/sub")));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("folder"))));
        writeFile(outside + QStringLiteral("/keep"));
        writeFile(outside + QStringLiteral("/sub/keep"));
        QVERIFY(QFile::link(outside, dir.filePath(QStringLiteral("folder/link"))));
        QVERIFY(QFile::link(outside, dir.filePath(QStringLiteral("link"))));

        QVERIFY(removeDirectory(dir.filePath(spelling)));

        const QString link = spelling.startsWith(QLatin1String("folder")) ? QStringLiteral("folder/link")
                                                                          : QStringLiteral("link");
        QVERIFY(!QFileInfo(dir.filePath(link)).isSymLink());
        QVERIFY(QFileInfo::exists(outside + QStringLiteral("/keep")));
        QVERIFY(QFileInfo::exists(outside + QStringLiteral("/sub/keep")));
    }
};

GARVO_TEST_GUILESS_MAIN(TestUtility)
#include "tst_utility.moc"
