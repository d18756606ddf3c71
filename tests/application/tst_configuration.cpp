#include "application/configuration.h"
#include "testsupport.h"
#include "utility/utility.h"

#include <QFile>
#include <QTemporaryDir>

class TestConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { CConfiguration::destroy(); }

    void missingOrEmptyFileGivesDefaults_data()
    {
        QTest::addColumn<bool>("emptyFileExists");
        QTest::newRow("missing file") << false;
        QTest::newRow("empty file") << true;
    }

    void missingOrEmptyFileGivesDefaults()
    {
        QFETCH(bool, emptyFileExists);
        const QString path = Utility::dataDirectory() + QStringLiteral("garvo.ini");
        QFile::remove(path);
        if (emptyFileExists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }

        CConfiguration *config = CConfiguration::instance();
        QCOMPARE(config->fileName(), path);
        QVERIFY(config->isValid());
        QVERIFY2(QFile::exists(path), "the file is created on first use");
        QCOMPARE(Utility::dateFormat(), QStringLiteral("MMMM dd yyyy"));
        QCOMPARE(Utility::timeFormat(), QStringLiteral("hh:mm"));
        config->setGroup(Config::Group::DefaultBehavior);
        QCOMPARE(config->value(Config::Key::ShowTrayIcon, Config::Default::ShowTrayIcon).toBool(), false);
        config->setGroup(Config::Group::MainWindow);
        QCOMPARE(config->value(Config::Key::WindowMaximized, Config::Default::WindowMaximized).toBool(), false);
    }

    void valuesRoundTripUnderExactGroupAndKeyNames()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("garvo.ini"));
        {
            CConfiguration config(path);
            config.setGroup(Config::Group::MainWindow);
            config.setValue(Config::Key::WindowMaximized, true);
            config.setValue(Config::Key::Geometry, QByteArray("\x01\x00\xff", 3));
            config.setGroup(Config::Group::FuelLogColumns);
            config.setValue(Config::Key::column(3), 120);
            config.setGroup(Config::Group::Main);
            config.setValue(Config::Key::PdfDirectoryPath, QStringLiteral("/home/Jürgen's 100% folder"));
        }
        CConfiguration config(path);
        config.setGroup(Config::Group::MainWindow);
        QCOMPARE(config.value(Config::Key::WindowMaximized).toBool(), true);
        QCOMPARE(config.value(Config::Key::Geometry).toByteArray(), QByteArray("\x01\x00\xff", 3));
        QCOMPARE(config.childKeys(Config::Group::FuelLogColumns), QStringList{QStringLiteral("column3")});
        config.setGroup(Config::Group::Main);
        QCOMPARE(config.value(Config::Key::PdfDirectoryPath).toString(), QStringLiteral("/home/Jürgen's 100% folder"));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("[MainWindow]\n"));
        QVERIFY(text.contains("windowMaximized=true"));
        QVERIFY(text.contains("[FuelLogColumns]\ncolumn3=120"));
    }

    void groupIsStickyUntilChanged()
    {
        QTemporaryDir dir;
        CConfiguration config(dir.filePath(QStringLiteral("garvo.ini")));
        QCOMPARE(config.group(), QStringLiteral("main"));
        config.setGroup(QStringLiteral("reports"));
        config.setValue(Config::Key::report(Config::Key::VehicleCostReport, Config::Key::PeriodType), 2);
        QCOMPARE(config.value(QStringLiteral("vehicleCostReportPeriodType")).toInt(), 2);
        QCOMPARE(config.childKeys(), QStringList{QStringLiteral("vehicleCostReportPeriodType")});
        QCOMPARE(config.childKeys(QStringLiteral("main")), QStringList());
        QCOMPARE(config.group(), QStringLiteral("reports"));

        // Another reader switching the group changes it for everybody.
        config.setGroup(QStringLiteral("main"));
        QCOMPARE(config.value(QStringLiteral("vehicleCostReportPeriodType"), -1).toInt(), -1);
    }

    void uncreatableFileReadsDefaultsAndDropsWrites()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("afile"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        CConfiguration config(blocker + QStringLiteral("/garvo.ini"));
        QVERIFY(!config.isValid());
        QVERIFY2(!config.open(dir.filePath(QStringLiteral("absent.ini")), false), "not created when not asked to");
        config.setGroup(QStringLiteral("main"));
        config.setValue(QStringLiteral("DateFormat"), QStringLiteral("yyyy"));
        QCOMPARE(config.value(QStringLiteral("DateFormat"), QStringLiteral("default")).toString(),
                 QStringLiteral("default"));
        QCOMPARE(config.childKeys(), QStringList());
        config.sync();
        QCOMPARE(QFileInfo(blocker).size(), qint64(0));
    }

};

GARVO_TEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
