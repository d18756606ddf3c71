#include "importtestdata.h"
#include "testsupport.h"

#include "import/csvreader.h"
#include "import/importreader.h"
#include "utility/clock.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace ImportTestData;

// The readers of every source on the sample files and on bad input.
class TestImportReaders : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    // Reads `names` (samples or paths) with the reader that recognises them.
    ImportBatch read(const QStringList &names, const ImportSettings &settings = ImportSettings(),
                     const QString &expectedSource = QString())
    {
        QStringList paths;
        for (const QString &name : names)
            paths.append(name.startsWith(QLatin1Char('/')) ? name : sample(name));
        QString error;
        const ImportReader *reader = ImportFormats::readerForAll(paths, &error);
        ImportBatch batch;
        if (!reader) {
            qWarning() << error;
            return batch;
        }
        if (!expectedSource.isEmpty())
            [&] { QCOMPARE(reader->sourceName(), expectedSource); }();
        if (!reader->read(paths, settings, &batch, &error))
            qWarning() << error;
        return batch;
    }

    QString readError(const QString &path)
    {
        QString error;
        const ImportReader *reader = ImportFormats::readerFor(path, &error);
        if (!reader)
            return error;
        ImportBatch batch;
        return reader->read({path}, ImportSettings(), &batch, &error) ? QString() : error;
    }

    QString write(const QString &name, const QByteArray &bytes) { return writeFile(dir.filePath(name), bytes); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        Utility::Clock::setToday(QDate(2025, 3, 20));
    }

    void csvReaderToleratesWhatTheAppsWrite()
    {
        // BOM, CR-only ends, text after a closing quote, quoted and bare
        // empties, a quoted line break, blank lines.
        const QString text = QString::fromUtf8("\xEF\xBB\xBF") + QStringLiteral(
            "a, \"b\" 2 ,c\r\r\"x\",,\"\",\"line\r\nbreak\"\n\n\"q \"\"u\"\"\",\"\"\"\"\r\nlast");
        QString decoded;
        QVERIFY(CsvReader::decode(text.toUtf8(), &decoded));
        const QVector<CsvRecord> records = CsvReader::records(decoded);
        QCOMPARE(records.size(), 4);
        QCOMPARE(records.at(0).fields, (QStringList{QStringLiteral("a"), QStringLiteral(" b 2 "), QStringLiteral("c")}));
        QCOMPARE(records.at(1).line, 3);
        QCOMPARE(records.at(1).fields, (QStringList{QStringLiteral("x"), QString(), QString(), QStringLiteral("line\r\nbreak")}));
        QCOMPARE(records.at(2).line, 6);
        QCOMPARE(records.at(2).fields, (QStringList{QStringLiteral("q \"u\""), QStringLiteral("\"")}));
        QCOMPARE(records.at(3).line, 7);

        const CsvHeader header({QStringLiteral("car_name"), QStringLiteral(" Odometer "), QStringLiteral("Odo (mi)")});
        QCOMPARE(header.indexOf(QStringLiteral("ODOMETER")), 1);
        QCOMPARE(header.indexStartingWith(QStringLiteral("odo (")), 2);
        QCOMPARE(header.firstMissing({QStringLiteral("car_name"), QStringLiteral("price")}), QStringLiteral("price"));

        QVERIFY(!CsvReader::decode(QByteArray("caf\xE9,1\n"), &decoded));
    }

    void fuelioBackup()
    {
        const ImportBatch batch = read({QStringLiteral("fuelio-backup.csv")}, {}, QStringLiteral("Fuelio"));
        QCOMPARE(batch.vehicle.name, QStringLiteral("Blue wagon"));
        QCOMPARE(batch.vehicle.licensePlate, QStringLiteral("KTR 4471"));
        QCOMPARE(batch.settings.distanceUnit, DistanceUnit::Miles);
        QCOMPARE(batch.settings.volumeUnit, VolumeUnitKind::UsGallons);
        QCOMPARE(batch.distanceUnitSource, SettingSource::FromFile);
        QCOMPARE(batch.fuel.size(), 7);
        const ImportFuel &newest = batch.fuel.first();
        QCOMPARE(newest.date, QDate(2025, 3, 14));
        QCOMPARE(newest.odometer, 84215.0);
        QCOMPARE(newest.quantity, 11.482);
        QCOMPARE(newest.totalCost, 41.32);
        QCOMPARE(newest.costPerUnit, 3.599);
        QVERIFY(batch.fuel.at(1).partial);
        QVERIFY(batch.fuel.at(3).missed && !batch.fuel.at(3).partial);
        QVERIFY(batch.fuel.at(2).note.contains(QStringLiteral("the \"premium\" pump")));
        QVERIFY(batch.fuel.at(5).note.startsWith(QStringLiteral("Cold morning\nengine light")));
        QCOMPARE(batch.fuel.at(6).origin.line, 13);

        QCOMPARE(batch.services.size(), 1);
        QCOMPARE(batch.services.first().items.first().description, QStringLiteral("Oil and filter"));
        QCOMPARE(batch.services.first().items.first().cost, 68.40);
        QCOMPARE(batch.expenses.size(), 2);
        QCOMPARE(batch.expenses.first().odometer, -1.0); // "0" is no reading
        // Income, template and planned rows are not costs.
        QCOMPARE(batch.problems.size(), 3);
    }

    void drivvoExportWithEitherLineEnd()
    {
        const ImportBatch lf = read({QStringLiteral("drivvo-export.csv")}, {}, QStringLiteral("Drivvo"));
        const ImportBatch cr = read({QStringLiteral("drivvo-export-ios-cr.csv")});
        QCOMPARE(lf.fuel.size(), 6);
        QCOMPARE(cr.fuel.size(), lf.fuel.size());
        QCOMPARE(cr.services.size(), lf.services.size());
        QCOMPARE(cr.expenses.size(), lf.expenses.size());
        QCOMPARE(lf.settings.distanceUnit, DistanceUnit::Kilometres);
        QCOMPARE(lf.settings.volumeUnit, VolumeUnitKind::Litres);
        QVERIFY(lf.problems.isEmpty());

        QVERIFY(lf.fuel.at(1).partial);
        QVERIFY(!lf.fuel.at(0).partial);
        QCOMPARE(lf.fuel.at(1).note, QStringLiteral("Only 20 € cash on me, Esso Ringstraße"));
        QCOMPARE(lf.fuel.at(2).totalCost, 65.137);
        QVERIFY(cr.fuel.at(2).note.startsWith(QStringLiteral("Attendant said \"no receipts today\", wrote it down")));

        // Rows of one visit make one service with an item each.
        QCOMPARE(lf.services.size(), 2);
        QCOMPARE(lf.services.first().items.size(), 3);
        QCOMPARE(lf.services.first().total, 164.4);
        QCOMPARE(lf.expenses.size(), 3);
        QCOMPARE(lf.expenses.at(1).comment, QStringLiteral("Annual premium, paid \"in full\""));
    }

    void fuellyFuelUpsAndServices()
    {
        const ImportBatch batch = read({QStringLiteral("fuelly-export.csv"), QStringLiteral("fuelly-services.csv")}, {},
                                       QStringLiteral("Fuelly"));
        QCOMPARE(batch.vehicle.name, QStringLiteral("Grey hatch"));
        QCOMPARE(batch.settings.distanceUnit, DistanceUnit::Kilometres);
        QCOMPARE(batch.settings.volumeUnit, VolumeUnitKind::Litres);
        QCOMPARE(batch.fuel.size(), 7);
        QCOMPARE(batch.fuel.first().totalCost, 52.39); // 31.02 x 1.689, rounded
        QVERIFY(batch.fuel.at(2).partial && !batch.fuel.at(2).missed);
        QVERIFY(batch.fuel.at(3).missed);
        QCOMPARE(batch.services.size(), 3);
        QCOMPARE(batch.services.first().items.size(), 3);
        QCOMPARE(batch.services.first().items.at(0).description, QStringLiteral("Engine oil"));
        QCOMPARE(batch.services.first().items.at(0).cost, 186.5);
        QCOMPARE(batch.services.first().items.at(1).cost, 0.0);
        QCOMPARE(batch.services.at(2).items.at(1).description, QStringLiteral("Cabin Filter"));
        QVERIFY(batch.services.at(1).items.isEmpty()); // neither kinds nor price
        QCOMPARE(batch.expenses.size(), 3);

        const ImportBatch us = read({QStringLiteral("fuelly-export-us.csv")});
        QCOMPARE(us.settings.distanceUnit, DistanceUnit::Miles);
        QCOMPARE(us.settings.volumeUnit, VolumeUnitKind::UsGallons);
        QCOMPARE(us.fuel.size(), 6);
        QVERIFY(us.fuel.at(1).note.contains(QStringLiteral("\"pay at pump\" broken")));
    }

    void lubeLoggerTabsInEitherLocale()
    {
        const QStringList tabs = {QStringLiteral("lubelogger-gas.csv"),      QStringLiteral("lubelogger-service.csv"),
                                  QStringLiteral("lubelogger-repairs.csv"),  QStringLiteral("lubelogger-upgrades.csv"),
                                  QStringLiteral("lubelogger-taxes.csv"),    QStringLiteral("lubelogger-odometer.csv")};
        const ImportBatch batch = read(tabs, {}, QStringLiteral("LubeLogger"));
        QVERIFY(batch.problems.isEmpty());
        QCOMPARE(batch.settings.dateOrder, DateOrder::MonthDayYear);
        QCOMPARE(batch.dateOrderSource, SettingSource::FromFile);
        QCOMPARE(batch.settings.decimalMark, DecimalMark::Point);
        QCOMPARE(batch.volumeUnitSource, SettingSource::Guessed);
        QCOMPARE(batch.fuel.size(), 6);
        QCOMPARE(batch.fuel.at(1).date, QDate(2025, 1, 19));
        QVERIFY(batch.fuel.at(2).partial);
        QVERIFY(batch.fuel.at(4).missed);
        QCOMPARE(batch.fuel.first().note, QStringLiteral("station: Corner Fuel"));
        QCOMPARE(batch.services.size(), 15);
        QCOMPARE(batch.services.at(1).items.first().cost, 1240.0);
        QCOMPARE(batch.services.at(1).description.count(QLatin1Char('\n')), 1);
        QCOMPARE(batch.expenses.size(), 5);
        QCOMPARE(batch.expenses.last().amount, 1102.36);
        QCOMPARE(batch.odometer.size(), 6);

        const ImportBatch german = read({QStringLiteral("lubelogger-gas-de.csv")});
        QCOMPARE(german.settings.decimalMark, DecimalMark::Comma);
        QCOMPARE(german.settings.dateOrder, DateOrder::DayMonthYear);
        QCOMPARE(german.fuel.first().quantity, 41.2);
        QCOMPARE(german.fuel.first().totalCost, 72.87);
        QCOMPARE(german.fuel.at(1).date, QDate(2025, 1, 18));
        QCOMPARE(german.settings.volumeUnit, VolumeUnitKind::Litres);

        // Read again with the user's answers.
        ImportSettings settings = german.settings;
        settings.decimalMark = DecimalMark::Point;
        const ImportBatch misread = read({QStringLiteral("lubelogger-gas-de.csv")}, settings);
        QVERIFY(misread.fuel.size() < 5);
        QVERIFY(!misread.problems.isEmpty());
    }

    void acarBackupWithTwoVehicles()
    {
        const QString path = acarBackup(dir.path());
        QVERIFY(!path.isEmpty());
        const ImportBatch batch = read({path}, {}, QStringLiteral("aCar"));
        QCOMPARE(batch.vehicleChoices, (QStringList{QStringLiteral("Commuter"), QStringLiteral("Weekend bike")}));
        QCOMPARE(batch.vehicle.name, QStringLiteral("Commuter"));
        QCOMPARE(batch.vehicle.fuelNameFirst, QStringLiteral("Regular"));
        QCOMPARE(batch.settings.distanceUnit, DistanceUnit::Miles);
        QCOMPARE(batch.settings.volumeUnit, VolumeUnitKind::UsGallons);
        QCOMPARE(batch.fuel.size(), 5);
        QCOMPARE(batch.fuel.first().date, QDate(2025, 1, 5));
        QCOMPARE(batch.fuel.at(1).costPerUnit, 18.52 / 5.4);
        QVERIFY(batch.fuel.at(1).partial);
        QVERIFY(batch.fuel.at(3).missed);
        QVERIFY(batch.fuel.at(2).note.startsWith(QStringLiteral("Tried \"premium\" once")));
        QCOMPARE(batch.services.size(), 1);
        QCOMPARE(batch.services.first().items.size(), 3);
        QCOMPARE(batch.services.first().items.first().cost, 79.95);
        QCOMPARE(batch.expenses.size(), 2);
        QCOMPARE(batch.expenses.at(0).name, QStringLiteral("Parking"));
        QCOMPARE(batch.expenses.at(1).odometer, -1.0);

        ImportSettings second;
        second.vehicleIndex = 1;
        const ImportBatch bike = read({path}, second);
        QCOMPARE(bike.vehicle.name, QStringLiteral("Weekend bike"));
        QCOMPARE(bike.settings.distanceUnit, DistanceUnit::Kilometres);
        QCOMPARE(bike.fuel.size(), 1);
    }

    void otherShapesOfTheSameSources()
    {
        // A Fuelio backup as the cloud keeps it: the vehicle file in a zip.
        const QString fuelioZip = dir.filePath(QStringLiteral("fuelio.zip"));
        QVERIFY(writeZip(fuelioZip, {{QStringLiteral("Fuelio/backup-csv/vehicle-3-sync.csv"),
                                      readAll(sample(QStringLiteral("fuelio-backup.csv")))}}));
        QCOMPARE(read({fuelioZip}, {}, QStringLiteral("Fuelio")).fuel.size(), 7);

        // Spanish Drivvo markers and headers: columns by their place.
        const QString spanish = write(QStringLiteral("drivvo-es.csv"), QStringLiteral(
            "#Reabastecimiento\n\"Odómetro (km)\",\"Fecha\",\"Combustible\",\"Precio / L\",\"Valor total\",\"Volumen\",\"Tanque lleno\"\n"
            "\"1200\",\"13/02/2024\",\"Gasolina\",\"1.5\",\"45\",\"30\",\"Sí\"\n"
            "\"800\",\"02/01/2024\",\"Gasolina\",\"1.5\",\"15\",\"10\",\"No\"\n"
            "\n#Servicio\n\"Odómetro (km)\",\"Fecha\",\"Valor total\",\"Tipo de servicio\",\"Lugar\",\"Notas\"\n"
            "\"1000\",\"05/01/2024\",\"80\",\"Aceite\",\"Taller\",\"\"\n").toUtf8());
        const ImportBatch drivvo = read({spanish}, {}, QStringLiteral("Drivvo"));
        QCOMPARE(drivvo.fuel.size(), 2);
        QCOMPARE(drivvo.dateOrderSource, SettingSource::FromFile); // 13/02 settles it
        QCOMPARE(drivvo.fuel.first().date, QDate(2024, 2, 13));
        QVERIFY(drivvo.fuel.at(1).partial && !drivvo.fuel.at(0).partial);
        QCOMPARE(drivvo.services.first().items.first().description, QStringLiteral("Aceite"));

        // Dates that fit either order are guessed; the user's answer re-reads them.
        QByteArray gas = readAll(sample(QStringLiteral("lubelogger-gas.csv")));
        gas.replace("1/19/2025", "1/12/2025").replace("2/15/2025", "2/11/2025").replace("3/22/2025", "3/12/2025");
        const QString ambiguous = write(QStringLiteral("ambiguous.csv"), gas);
        ImportBatch batch = read({ambiguous});
        QCOMPARE(batch.dateOrderSource, SettingSource::Guessed);
        QCOMPARE(batch.fuel.first().date, QDate(2025, 1, 4));
        ImportSettings settings = batch.settings;
        settings.dateOrder = DateOrder::DayMonthYear;
        batch = read({ambiguous}, settings);
        QCOMPARE(batch.fuel.first().date, QDate(2025, 4, 1));

        // Several cars in one Fuelly file: one is read at a time.
        const QByteArray us = readAll(sample(QStringLiteral("fuelly-export-us.csv")));
        const QByteArray cars = readAll(sample(QStringLiteral("fuelly-export.csv"))) + us.mid(us.indexOf('\n') + 1);
        const QString mixed = write(QStringLiteral("cars.csv"), cars);
        QCOMPARE(read({mixed}).vehicleChoices.size(), 2);
        settings = ImportSettings();
        settings.vehicleIndex = 1;
        const ImportBatch pickup = read({mixed}, settings);
        QCOMPARE(pickup.vehicle.name, QStringLiteral("Red pickup"));
        QCOMPARE(pickup.fuel.size(), 6);

        // An aCar backup of the old layout: services and expenses apart.
        QMap<QString, QByteArray> old;
        old.insert(QStringLiteral("metadata.inf"), "acar.backup.type=Full-Backup\n");
        old.insert(QStringLiteral("services.xml"), "<services><service id=\"1\"><name>Oil</name></service></services>");
        old.insert(QStringLiteral("expenses.xml"), "<expenses><expense id=\"2\"><name>Toll</name></expense></expenses>");
        old.insert(QStringLiteral("preferences.xml"),
                   "<preferences><preference name=\"acar.distance-unit\">km</preference>"
                   "<preference name=\"acar.volume-unit\">L</preference></preferences>");
        old.insert(QStringLiteral("vehicles.xml"),
                   "<vehicles><vehicle><name>Old</name><service-records><service-record><date>03/04/2015 - 10:00</date>"
                   "<odometer-reading>5000</odometer-reading><total-cost>40</total-cost><services><service id=\"1\"/>"
                   "</services></service-record></service-records><expense-records><expense-record><date>04/04/2015 - 10:00"
                   "</date><total-cost>2.5</total-cost><expenses><expense id=\"2\"/></expenses></expense-record>"
                   "</expense-records></vehicle></vehicles>");
        const QString oldBackup = dir.filePath(QStringLiteral("old.abp"));
        QVERIFY(writeZip(oldBackup, old));
        const ImportBatch acar = read({oldBackup}, {}, QStringLiteral("aCar"));
        QCOMPARE(acar.settings.distanceUnit, DistanceUnit::Kilometres);
        QCOMPARE(acar.services.first().date, QDate(2015, 3, 4));
        QCOMPARE(acar.services.first().items.first().description, QStringLiteral("Oil"));
        QCOMPARE(acar.expenses.first().name, QStringLiteral("Toll"));
    }

    void badFilesGetAClearMessage()
    {
        const QByteArray fuelly = readAll(sample(QStringLiteral("fuelly-export.csv")));
        QVERIFY(readError(write(QStringLiteral("empty.csv"), QByteArray())).contains(QStringLiteral("empty")));
        QVERIFY(readError(write(QStringLiteral("blank.csv"), "\xEF\xBB\xBF\r\n")).contains(QStringLiteral("empty")));
        QVERIFY(readError(write(QStringLiteral("other.csv"), "Name;Value\nx;1\n")).contains(QStringLiteral("not a file Garvo can import")));
        QVERIFY(readError(write(QStringLiteral("latin1.csv"), QByteArray(fuelly).replace("Grey", "Gr\xE9y"))).contains(QStringLiteral("UTF-8")));
        QVERIFY(readError(write(QStringLiteral("noodo.csv"), QByteArray(fuelly).replace(" odometer,", " odo,"))).contains(QStringLiteral("odometer")));
        const QByteArray zip = readAll(acarBackup(dir.path()));
        QVERIFY(readError(write(QStringLiteral("cut.abp"), zip.left(zip.size() / 2))).contains(QStringLiteral("zip")));

        // Rows that do not read become problems with their line; the others stay.
        QByteArray rows = readAll(sample(QStringLiteral("lubelogger-gas.csv")));
        rows.replace("1/19/2025,61544,10.84", "1/39/2025,61544,10.84");
        rows.replace("2/15/2025,61980,8.1", "2/15/2025,61980,-8.1");
        rows.replace("3/22/2025,62711", "3/22/2025,1000000000000");
        const ImportBatch batch = read({write(QStringLiteral("rows.csv"), rows)});
        QCOMPARE(batch.fuel.size(), 3);
        QCOMPARE(batch.problems.size(), 3);
        QCOMPARE(batch.problems.at(0).origin.line, 3);
        QVERIFY(batch.problems.at(0).reason.contains(QStringLiteral("1/39/2025")));
        QVERIFY(batch.problems.at(1).reason.contains(QStringLiteral("negative")));
        QVERIFY(batch.problems.at(2).reason.contains(QStringLiteral("too large")));
    }

    // Truncated and byte-mutated samples through every reader: an error or a
    // result, never a crash or a hang.
    void damagedSamplesNeverCrashAReader()
    {
        QStringList samples = QDir(sample(QString())).entryList({QStringLiteral("*.csv")}, QDir::Files);
        for (QString &name : samples)
            name = sample(name);
        samples.append(acarBackup(dir.path()));
        QRandomGenerator random(17);
        int runs = 0;
        for (const QString &path : samples) {
            const QByteArray bytes = readAll(path);
            for (int variant = 0; variant < 12; ++variant) {
                QByteArray damaged = bytes;
                if (variant < 4) {
                    damaged.truncate(int(random.bounded(bytes.size())));
                } else {
                    for (int i = 0; i < 1 + variant; ++i)
                        damaged[int(random.bounded(damaged.size()))] = char(random.bounded(256));
                }
                const QString file = write(QStringLiteral("fuzz-%1").arg(QFileInfo(path).fileName()), damaged);
                for (const ImportReader *reader : ImportFormats::readers()) {
                    ImportBatch batch;
                    QString error;
                    reader->recognises(file);
                    if (!reader->read({file}, ImportSettings(), &batch, &error))
                        QVERIFY(!error.isEmpty());
                    ++runs;
                }
            }
        }
        QVERIFY(runs > 500);
    }
};

GARVO_TEST_GUILESS_MAIN(TestImportReaders)
#include "tst_importreaders.moc"
