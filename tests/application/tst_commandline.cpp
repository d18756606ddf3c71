#include "application/commandline.h"
#include "testsupport.h"

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void match_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("installUpdate");
        QTest::addColumn<bool>("cleanThenStart");

        const QString program = QStringLiteral("/opt/garvo/garvo");
        QTest::newRow("no switches") << QStringList{program} << false << false;
        QTest::newRow("update") << QStringList{program, "-update"} << true << false;
        QTest::newRow("clean") << QStringList{program, "-cleandf"} << false << true;
        QTest::newRow("update wins over clean") << QStringList{program, "-cleandf", "-update"} << true << false;
        QTest::newRow("switch anywhere") << QStringList{program, "x", "-cleandf", "y"} << false << true;
        QTest::newRow("program path is scanned too") << QStringList{"-update"} << true << false;
        QTest::newRow("other letter case ignored") << QStringList{program, "-Update", "-CLEANDF"} << false << false;
        QTest::newRow("double dash ignored") << QStringList{program, "--update", "--cleandf"} << false << false;
        QTest::newRow("part of an argument ignored")
            << QStringList{program, "-update=1", "x-cleandf", "/tmp/-update/garvo"} << false << false;
    }

    void match()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, installUpdate);
        QFETCH(bool, cleanThenStart);
        const CommandLine::Switches switches = CommandLine::match(arguments);
        QCOMPARE(switches.installUpdate(), installUpdate);
        QCOMPARE(switches.cleanThenStart(), cleanThenStart);
    }
};

GARVO_TEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
