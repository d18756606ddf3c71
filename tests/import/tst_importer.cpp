#include "../database/testdatabase.h"
#include "importtestdata.h"
#include "testsupport.h"

#include "database/expense.h"
#include "database/fuellog.h"
#include "database/note.h"
#include "database/odometerlog.h"
#include "database/serviceschedule.h"
#include "database/session.h"
#include "database/tablefuellog.h"
#include "database/tablevehicle.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"
#include "import/csvreader.h"
#include "import/exporter.h"
#include "import/importer.h"
#include "import/importreader.h"
#include "modules/options/units.h"
#include "utility/clock.h"

#include <QSignalSpy>
#include <QtTest>

using namespace ImportTestData;

// Writing batches into the database, and the export that reads back.
class TestImporter : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;
    QTemporaryDir dir;

    ImportBatch read(const QStringList &names, const ImportSettings &settings = ImportSettings())
    {
        QStringList paths;
        for (const QString &name : names)
            paths.append(name.startsWith(QLatin1Char('/')) ? name : sample(name));
        ImportBatch batch;
        QString error;
        const ImportReader *reader = ImportFormats::readerForAll(paths, &error);
        if (!reader || !reader->read(paths, settings, &batch, &error))
            qWarning() << error;
        return batch;
    }

    // Imports and returns the vehicle written to, 0 on failure.
    int import(const ImportBatch &batch, int vehicleId = 0, QString *error = nullptr)
    {
        CImporter importer(batch, {vehicleId, QString()}, batch.settings);
        QString reason;
        const bool ok = importer.run({}, &reason);
        if (error)
            *error = reason;
        return ok ? importer.vehicleId() : 0;
    }

    int count(const QString &table, int vehicleId)
    {
        return db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %1_vehicle_id=?").arg(table), {vehicleId}).toInt();
    }

    // Every row of every table, for comparing before and after.
    QString snapshot()
    {
        QString text;
        for (const QString &table : {QStringLiteral("vehicle"), QStringLiteral("fuellog"), QStringLiteral("service_session"),
                                     QStringLiteral("service_item"), QStringLiteral("expense"), QStringLiteral("note"),
                                     QStringLiteral("odometerlog"), QStringLiteral("service_schedule")}) {
            QSqlQuery query;
            db->database->exec(query, QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
            while (query.next()) {
                for (int i = 0; i < query.record().count(); ++i)
                    text += query.value(i).toString() + QLatin1Char('|');
                text += QLatin1Char('\n');
            }
        }
        return text;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        Utility::Clock::setToday(QDate(2025, 12, 31));
    }

    void init()
    {
        db = new TestDatabase;
        CSettings::instance()->setValue(QStringLiteral("volume_unit"), VolumeUnitLitre);
        CSettings::instance()->setValue(QStringLiteral("fuel_efficiency"), FuelEfficiencyPerQuantity);
    }

    void cleanup()
    {
        delete db;
        resetCurrency();
    }

    void partialFillUpsAndReimportAddingNothing()
    {
        const ImportBatch batch = read({QStringLiteral("fuelly-export.csv"), QStringLiteral("fuelly-services.csv")});
        QSignalSpy inserted(CTableFuelLog::instance(), &CTable::inserted);
        const int vehicleId = import(batch);
        QVERIFY(vehicleId != 0);
        QCOMPARE(inserted.count(), 1); // one refresh, not one per row
        QCOMPARE(count(QStringLiteral("fuellog"), vehicleId), 7);
        QCOMPARE(count(QStringLiteral("service_session"), vehicleId), 3);
        QCOMPARE(count(QStringLiteral("expense"), vehicleId), 3);

        // km per litre along the odometer: the missed fill-up has none, the
        // partial one neither, and the full one after it covers both fills.
        auto efficiency = [this](int odometer) {
            return db->scalar(QStringLiteral("SELECT fuellog_efficiency FROM fuellog WHERE fuellog_odometer=?"), {odometer}).toDouble();
        };
        QCOMPARE(efficiency(89083), 0.0);
        QCOMPARE(efficiency(89580), 15.30);
        QCOMPARE(efficiency(90794), 0.0);
        QCOMPARE(efficiency(91183), 0.0);
        QCOMPARE(efficiency(91385), 16.66); // (389 + 202) / (21.60 + 13.88)
        QCOMPARE(db->scalar(QStringLiteral("SELECT fuellog_distance FROM fuellog WHERE fuellog_odometer=91183")).toInt(), 389);
        // A service without kinds or price still has its one item.
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM service_item")).toInt(), 3 + 1 + 2);

        const QString before = snapshot();
        CImporter again(batch, {vehicleId, QString()}, batch.settings);
        const ImportPreview preview = again.preview();
        QCOMPARE(preview.totalToImport(), 0);
        QCOMPARE(preview.kind(ImportKind::Fuel).alreadyPresent, 7);
        QCOMPARE(preview.kind(ImportKind::Service).alreadyPresent, 3);
        QCOMPARE(preview.kind(ImportKind::Expense).alreadyPresent, 3);
        QString error;
        QVERIFY2(again.run({}, &error), qPrintable(error));
        QCOMPARE(snapshot(), before);
    }

    void unitsAreConvertedIntoTheVehicles()
    {
        // Miles and US gallons into a km vehicle kept in litres.
        CVehicle car;
        car.setAutoSave(false);
        car.setName(QStringLiteral("Car"));
        car.setOdometerType(1);
        car.setFuelSystemType(1);
        const int carId = car.save(true);
        const ImportBatch batch = read({QStringLiteral("fuelio-backup.csv")});
        CImporter importer(batch, {carId, QString()}, batch.settings);
        const ImportPreview preview = importer.preview();
        QCOMPARE(preview.kind(ImportKind::Fuel).toImport, 7);
        QCOMPARE(preview.kind(ImportKind::Expense).unreadable, 1); // a template
        QCOMPARE(preview.kind(ImportKind::Service).unreadable, 1); // an income
        QCOMPARE(preview.kind(ImportKind::Fuel).rows.first().mid(0, 5),
                 (QStringList{QStringLiteral("2025-03-14"), QStringLiteral("135531"), QStringLiteral("43.46"),
                              QStringLiteral("0.95"), QStringLiteral("41.32")}));
        QString error;
        QVERIFY2(importer.run({}, &error), qPrintable(error));
        QCOMPARE(CVehicle(carId).odometerValue(), 135531);
        QCOMPARE(CImporter(batch, {carId, QString()}, batch.settings).preview().totalToImport(), 0);

        // UK gallons when the user's gallon is the imperial one.
        CSettings::instance()->setValue(QStringLiteral("volume_unit"), VolumeUnitGallon);
        ImportSettings settings = batch.settings;
        settings.targetVolume = VolumeUnitKind::UkGallons;
        const ImportPreview uk = CImporter(batch, {0, QStringLiteral("Wagon")}, settings).preview();
        QCOMPARE(uk.kind(ImportKind::Fuel).rows.first().value(1), QStringLiteral("84215"));
        QCOMPARE(uk.kind(ImportKind::Fuel).rows.first().value(2), QStringLiteral("9.56"));
    }

    void derivedReadingsAreNotDoubled()
    {
        const ImportBatch batch = read({QStringLiteral("lubelogger-gas.csv"), QStringLiteral("lubelogger-service.csv"),
                                        QStringLiteral("lubelogger-odometer.csv")});
        CImporter importer(batch, {0, QString()}, batch.settings);
        const ImportPreview preview = importer.preview();
        // Two readings came from fuel entries and one from a service.
        QCOMPARE(preview.kind(ImportKind::Odometer).toImport, 3);
        QCOMPARE(preview.kind(ImportKind::Odometer).alreadyPresent, 3);
        QString error;
        QVERIFY2(importer.run({}, &error), qPrintable(error));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM odometerlog WHERE odometerlog_odometer=61220")).toInt(), 2);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM odometerlog WHERE odometerlog_odometer=61544")).toInt(), 1);
    }

    void aFailureOrCancelLeavesTheDatabaseUnchanged()
    {
        const int vehicleId = import(read({QStringLiteral("lubelogger-gas.csv")}));
        QVERIFY(vehicleId != 0);
        const QString before = snapshot();

        // The last row of the file cannot be stored.
        QVERIFY(db->database->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON expense WHEN "
                                                  "NEW.expense_name='Personal property tax' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        const ImportBatch taxes = read({QStringLiteral("lubelogger-service.csv"), QStringLiteral("lubelogger-taxes.csv")});
        QString error;
        QCOMPARE(import(taxes, vehicleId, &error), 0);
        QVERIFY(error.contains(QStringLiteral("lubelogger-taxes.csv, line 6")));
        QCOMPARE(snapshot(), before);
        QCOMPARE(import(taxes, 0, &error), 0); // nor is a new vehicle left behind
        QCOMPARE(snapshot(), before);

        QVERIFY(db->database->exec(QStringLiteral("DROP TRIGGER refuse")));
        CImporter importer(taxes, {vehicleId, QString()}, taxes.settings);
        int calls = 0;
        QVERIFY(!importer.run([&calls](int, int) { return ++calls < 2; }, &error));
        QVERIFY(error.contains(QStringLiteral("cancelled")));
        QCOMPARE(snapshot(), before);
    }

    void exportReadsBackUnchanged()
    {
        // Every kind of record, with text that breaks careless CSV.
        const QString hostile = QStringLiteral("Half tank, \"cash only\"\r\nline two ; ß € 😀");
        CVehicleType type;
        type.setAutoSave(false);
        type.setName(QStringLiteral("Tractor, \"big\""));
        const int typeId = type.save(true);
        QList<int> vehicleIds;
        for (int v = 0; v < 2; ++v) {
            CVehicle car;
            car.setAutoSave(false);
            car.setName(v == 0 ? hostile : QStringLiteral(" =SUM(A1) "));
            car.setTypeId(typeId);
            car.setOdometerType(v + 1);
            car.setFuelSystemType(2);
            car.setFuelNameFirst(QStringLiteral("Diesel"));
            car.setFuelNameSecond(QStringLiteral("LPG"));
            car.setFavorite(v == 1);
            car.setOrder(5 - v);
            car.setRegistrationExpirationDate(QDate());
            const int id = car.save(true);
            vehicleIds.append(id);
            COdometerLog reading;
            reading.setAutoSave(false);
            reading.setVehicleId(id);
            reading.setParentType(COdometerLog::VehicleParent);
            reading.setDate(QDate(2024, 1, 1));
            reading.setOdometer(1000);
            reading.setDescription(hostile);
            QVERIFY(reading.save(true) != 0);

            CFuelLog fuel;
            fuel.setDate(QDate(2024, 2, 1));
            fuel.setOdometer(1500);
            fuel.setDescription(hostile);
            fuel.setFuelType(2);
            fuel.setCostPerUnit(1.239);
            fuel.setQuantity(40.5);
            fuel.setDistance(500);
            fuel.setTotalCost(50.18);
            fuel.setTires(1);
            fuel.setRoutes(6);
            QVERIFY(fuel.saveWithReading(CVehicle(id)) != 0);

            CSession session;
            session.setDate(QDate(2024, 3, 1));
            session.setOdometer(1800);
            session.setDescription(hostile);
            CServiceItem oil;
            oil.setDescription(QStringLiteral("Oil, 5W-30"));
            oil.setCost(60.5);
            CServiceItem filter;
            filter.setDescription(hostile);
            filter.setCost(12);
            QVERIFY(session.saveWithItems(id, {{oil, false}, {filter, false}}) != 0);

            CExpense expense;
            expense.setDate(QDate(2024, 4, 1));
            expense.setAmount(1.239);
            expense.setName(hostile);
            expense.setComment(QStringLiteral("\"quoted\""));
            QVERIFY(expense.saveWithReading(id) != 0);

            CNote note;
            note.setDate(QDate(2024, 5, 1));
            note.setTitle(QStringLiteral("Radio code"));
            note.setDescription(hostile);
            note.setStared(true);
            QVERIFY(note.saveWithReading(id) != 0);

            CServiceSchedule schedule;
            schedule.setAutoSave(false);
            schedule.setVehicleId(id);
            schedule.setName(hostile);
            schedule.setDueType(3);
            schedule.setDueDate(QDate(2025, 1, 1));
            schedule.setDueOdometer(20000);
            QVERIFY(schedule.save(true) != 0);
        }

        auto filesOf = [](const QString &path) {
            QMap<QString, QStringList> files;
            QuaZip zip(path);
            if (!zip.open(QuaZip::mdUnzip))
                return files;
            for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
                QuaZipFile file(&zip);
                file.open(QIODevice::ReadOnly);
                const QByteArray bytes = file.readAll();
                QStringList rows;
                QString text;
                CsvReader::decode(bytes, &text);
                const QVector<CsvRecord> records = CsvReader::records(text);
                const QStringList header = records.value(0).fields;
                for (const CsvRecord &record : records.mid(1)) {
                    QStringList fields = record.fields;
                    // Ids are new after the import; the creation time differs.
                    for (int i = 0; i < header.size(); ++i) {
                        if (header.at(i) == QLatin1String("id") || header.at(i).endsWith(QLatin1String("_id")))
                            fields[i] = QStringLiteral("#");
                    }
                    if (fields.value(0) == QLatin1String("created"))
                        continue;
                    rows.append(fields.join(QLatin1Char('\x1f')));
                }
                rows.sort();
                rows.prepend(header.join(QLatin1Char(',')));
                if (!bytes.startsWith("\xEF\xBB\xBF"))
                    rows.prepend(QStringLiteral("no byte order mark"));
                files.insert(zip.getCurrentFileName(), rows);
            }
            return files;
        };

        const QString first = dir.filePath(QStringLiteral("first.zip"));
        QString error;
        QVERIFY2(CExporter::exportTo(first, {}, &error), qPrintable(error));
        const QByteArray fuelText = [&] {
            QuaZip zip(first);
            zip.open(QuaZip::mdUnzip);
            zip.setCurrentFile(QStringLiteral("fuel.csv"));
            QuaZipFile file(&zip);
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }();
        QVERIFY(fuelText.contains("\"Half tank, \"\"cash only\"\"\r\nline two ; ß € 😀\""));
        QVERIFY(fuelText.contains(",1.24,40.50,500,"));

        // Into an empty database, every vehicle as a new one.
        delete db;
        db = new TestDatabase;
        CSettings::instance()->setValue(QStringLiteral("volume_unit"), VolumeUnitLitre);
        CSettings::instance()->setValue(QStringLiteral("fuel_efficiency"), FuelEfficiencyPerQuantity);
        ImportBatch batch = read({first});
        QCOMPARE(batch.sourceName, QStringLiteral("Garvo export"));
        QCOMPARE(batch.vehicleChoices.size(), 2);
        for (int v = 0; v < batch.vehicleChoices.size(); ++v) {
            ImportSettings settings;
            settings.vehicleIndex = v;
            batch = read({first}, settings);
            QVERIFY(batch.problems.isEmpty());
            QVERIFY2(import(batch, 0, &error) != 0, qPrintable(error));
        }
        const QString second = dir.filePath(QStringLiteral("second.zip"));
        QVERIFY2(CExporter::exportTo(second, {}, &error), qPrintable(error));
        const auto before = filesOf(first);
        const auto after = filesOf(second);
        QCOMPARE(after.keys(), before.keys());
        QCOMPARE(before.keys().size(), CExporter::fileNames().size());
        for (const QString &name : before.keys())
            QCOMPARE(after.value(name), before.value(name));

        // Importing it again adds nothing.
        ImportSettings settings;
        const ImportPreview again = CImporter(read({first}, settings), {1, QString()}, settings).preview();
        QCOMPARE(again.totalToImport(), 0);
    }

    void exportOfOneVehicleHoldsOnlyItsRecords()
    {
        const int first = import(read({QStringLiteral("drivvo-export.csv")}));
        const int second = import(read({QStringLiteral("fuelly-export.csv"), QStringLiteral("fuelly-services.csv")}));
        QVERIFY(first != 0 && second != 0);
        const QString path = dir.filePath(QStringLiteral("one.zip"));
        QString error;
        QVERIFY2(CExporter::exportTo(path, {second}, &error), qPrintable(error));
        const ImportBatch batch = read({path});
        QVERIFY(batch.vehicleChoices.isEmpty());
        QCOMPARE(batch.vehicle.name, QStringLiteral("Grey hatch"));
        QCOMPARE(batch.fuel.size(), 7);
        QCOMPARE(batch.services.size(), 3);
        int items = 0;
        for (const ImportService &service : batch.services)
            items += service.items.size();
        QCOMPARE(items, 6); // none of the other vehicle's items
    }

    void exportFailureLeavesTheOldFile()
    {
        const QString path = dir.filePath(QStringLiteral("kept.zip"));
        QVERIFY(!writeFile(path, "old").isEmpty());
        QString error;
        QVERIFY(!CExporter::exportTo(dir.filePath(QStringLiteral("missing/folder/x.zip")), {}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(CExporter::exportTo(path, {}, &error));
        QVERIFY(readAll(path).startsWith("PK"));
    }
};

GARVO_TEST_GUILESS_MAIN(TestImporter)
#include "tst_importer.moc"
