// Times an import of a long fuel history (10,000 fill-ups and 2,000
// expenses by default, or the fill-up count given as the first argument):
// reading the files, the preview, and the import in its one transaction,
// against raw SQL inserting the same rows and readings in one transaction.
// Each timing is printed in milliseconds.

#include "database/database.h"
#include "database/settings.h"
#include "database/storage.h"
#include "database/transaction.h"
#include "import/importer.h"
#include "import/importreader.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QString writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(text.toUtf8());
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    QTextStream out(stdout);

    QString gas = QStringLiteral("Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,MissedFuelUp,Notes,Tags\r\n");
    QString taxes = QStringLiteral("Date,Description,Cost,Notes,Tags\r\n");
    const QDate start(2000, 1, 1);
    for (int i = 0; i < count; ++i) {
        gas += QStringLiteral("%1,%2,%3,%4,0,%5,False,\"Note, %6\",\r\n")
                   .arg(start.addDays(i).toString(QStringLiteral("M/d/yyyy")))
                   .arg(10000 + 400 * i)
                   .arg(30 + i % 7)
                   .arg(45.5 + i % 11)
                   .arg(i % 5 == 0 ? QStringLiteral("False") : QStringLiteral("True"))
                   .arg(i);
        if (i % 5 == 0)
            taxes += QStringLiteral("%1,Toll %2,$%3.50,,\r\n").arg(start.addDays(i).toString(QStringLiteral("M/d/yyyy"))).arg(i).arg(i % 40);
    }
    const QStringList paths = {writeFile(dir.filePath(QStringLiteral("gas.csv")), gas),
                               writeFile(dir.filePath(QStringLiteral("taxes.csv")), taxes)};

    CDatabase database(dir.filePath(QStringLiteral("import.db")));
    CSettings settings(&database);
    Storage::createVehicleTypeTable();
    Storage::createVehicleTables();

    QElapsedTimer timer;
    timer.start();
    QString error;
    const ImportReader *reader = ImportFormats::readerForAll(paths, &error);
    ImportBatch batch;
    if (!reader || !reader->read(paths, ImportSettings(), &batch, &error)) {
        out << "read failed: " << error << "\n";
        return 1;
    }
    out << "read " << batch.rowCount() << " rows: " << timer.elapsed() << " ms\n";

    timer.restart();
    CImporter importer(batch, {0, QStringLiteral("Bench")}, batch.settings);
    const ImportPreview preview = importer.preview();
    out << "preview (" << preview.totalToImport() << " to import): " << timer.elapsed() << " ms\n";

    timer.restart();
    if (!importer.run({}, &error)) {
        out << "import failed: " << error << "\n";
        return 1;
    }
    out << "import: " << timer.elapsed() << " ms\n";

    timer.restart();
    const ImportPreview again = CImporter(batch, {importer.vehicleId(), QString()}, batch.settings).preview();
    out << "preview of a second import (" << again.totalToImport() << " to import): " << timer.elapsed() << " ms\n";

    // The same rows and their readings written with raw SQL.
    timer.restart();
    {
        CTransaction transaction;
        QSqlQuery fuel, reading;
        fuel.prepare(QStringLiteral("INSERT INTO fuellog (fuellog_vehicle_id, fuellog_date, fuellog_odometer, fuellog_quantity, "
                                    "fuellog_total_cost, fuellog_description) VALUES (?,?,?,?,?,?)"));
        reading.prepare(QStringLiteral("INSERT INTO odometerlog (odometerlog_vehicle_id, odometerlog_date, odometerlog_odometer, "
                                       "odometerlog_parent_type, odometerlog_parent_id) VALUES (?,?,?,2,?)"));
        for (const ImportFuel &row : batch.fuel) {
            fuel.addBindValue(99);
            fuel.addBindValue(row.date.toString(Qt::ISODate));
            fuel.addBindValue(int(row.odometer));
            fuel.addBindValue(QString::number(row.quantity, 'f', 2));
            fuel.addBindValue(QString::number(row.totalCost, 'f', 2));
            fuel.addBindValue(row.note);
            fuel.exec();
            reading.addBindValue(99);
            reading.addBindValue(row.date.toString(Qt::ISODate));
            reading.addBindValue(int(row.odometer));
            reading.addBindValue(fuel.lastInsertId());
            reading.exec();
        }
        transaction.commit();
    }
    out << "raw SQL, fuel rows and readings only: " << timer.elapsed() << " ms\n";
    return 0;
}
