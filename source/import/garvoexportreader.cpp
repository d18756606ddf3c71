#include "import/importsupport.h"
#include "import/readers.h"

#include <QHash>

using namespace ImportSupport;

namespace {

bool isManifest(const QByteArray &bytes)
{
    QString text;
    if (!CsvReader::decode(bytes, &text))
        return false;
    for (const CsvRecord &record : CsvReader::records(text)) {
        if (record.fields.value(0) == QLatin1String("format"))
            return record.fields.value(1) == QLatin1String("garvo-export");
    }
    return false;
}

// One file of the archive: its rows by column name.
struct Table
{
    QString file;
    CsvHeader header;
    QVector<CsvRecord> rows;

    QString text(const CsvRecord &row, const char *column) const
    {
        return CsvHeader::field(row, header.indexOf(QLatin1String(column)));
    }
};

// Reads the stored texts of one row, keeping the first that does not read.
class StoredValues
{
public:
    StoredValues(const Table &table, const CsvRecord &row) : m_table(table), m_row(row) {}

    QString text(const char *column) const { return m_table.text(m_row, column); }
    int integer(const char *column, int fallback = 0)
    {
        const QString value = text(column).trimmed();
        if (value.isEmpty())
            return fallback;
        bool ok = false;
        const int result = value.toInt(&ok);
        if (!ok)
            fail(column, value);
        return ok ? result : fallback;
    }
    double decimal(const char *column)
    {
        const QString value = text(column).trimmed();
        if (value.isEmpty())
            return 0.0;
        const std::optional<double> result = number(value, DecimalMark::Point);
        if (!result)
            fail(column, value);
        return result.value_or(0.0);
    }
    QDate date(const char *column)
    {
        const QString value = text(column).trimmed();
        const QDate result = QDate::fromString(value, Qt::ISODate);
        if (!value.isEmpty() && !result.isValid())
            fail(column, value);
        return result;
    }
    ImportOrigin origin() const { return {m_table.file, m_row.line}; }
    QString reason() const { return m_reason; }

private:
    void fail(const char *column, const QString &value)
    {
        if (m_reason.isEmpty())
            m_reason = GarvoExportReader::tr("\"%1\" is not a valid %2").arg(value, QLatin1String(column));
    }

    const Table &m_table;
    const CsvRecord &m_row;
    QString m_reason;
};

} // namespace

bool GarvoExportReader::recognises(const QString &path) const
{
    if (!isZip(head(path, 4)))
        return false;
    QMap<QString, QByteArray> files;
    return readZip(path, {QStringLiteral("manifest.csv")}, &files, nullptr) && !files.isEmpty()
           && isManifest(files.first());
}

bool GarvoExportReader::read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
                             QString *error) const
{
    ImportSettings &used = startBatch(batch, settings);
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (paths.size() != 1)
        return fail(tr("Choose one Garvo export at a time."));
    const QString archive = displayName(paths.first());
    batch->files.append(archive);
    QMap<QString, QByteArray> files;
    if (!readZip(paths.first(), {QStringLiteral(".csv")}, &files, error))
        return false;

    QHash<QString, Table> tables;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString name = it.key().mid(it.key().lastIndexOf(QLatin1Char('/')) + 1).toLower();
        QString text;
        QString reason;
        if (!CsvReader::decode(it.value(), &text, &reason))
            return fail(name + QStringLiteral(": ") + reason);
        Table table;
        table.file = archive + QStringLiteral(" (") + name + QLatin1Char(')');
        table.rows = CsvReader::records(text);
        if (!table.rows.isEmpty())
            table.header = CsvHeader(table.rows.takeFirst().fields);
        tables.insert(name, table);
    }
    QByteArray manifestBytes;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (it.key().endsWith(QLatin1String("manifest.csv"), Qt::CaseInsensitive))
            manifestBytes = it.value();
    }
    if (!isManifest(manifestBytes))
        return fail(tr("%1 is not a Garvo export.").arg(archive));
    const QStringList required = {QStringLiteral("vehicles.csv"), QStringLiteral("odometer.csv"), QStringLiteral("fuel.csv"),
                                  QStringLiteral("service_sessions.csv"), QStringLiteral("service_items.csv"),
                                  QStringLiteral("notes.csv"), QStringLiteral("expenses.csv")};
    for (const QString &name : required) {
        if (!tables.contains(name))
            return fail(tr("%1 lacks the file %2.").arg(archive, name));
    }

    QHash<QString, QString> manifest;
    const Table &manifestTable = tables[QStringLiteral("manifest.csv")];
    for (const CsvRecord &row : manifestTable.rows)
        manifest.insert(row.fields.value(0), row.fields.value(1));

    const Table &vehicles = tables[QStringLiteral("vehicles.csv")];
    if (vehicles.rows.isEmpty())
        return fail(tr("%1 holds no vehicle.").arg(archive));
    if (vehicles.rows.size() > 1) {
        for (const CsvRecord &row : vehicles.rows)
            batch->vehicleChoices.append(vehicles.text(row, "name"));
    }
    used.vehicleIndex = qBound(0, settings.vehicleIndex, int(vehicles.rows.size()) - 1);
    StoredValues vehicle(vehicles, vehicles.rows.at(used.vehicleIndex));
    const QString vehicleKey = vehicle.text("id").trimmed();

    ImportVehicle &data = batch->vehicle;
    data.present = true;
    data.stored = true;
    data.name = vehicle.text("name");
    data.description = vehicle.text("description");
    data.date = vehicle.date("date");
    data.odometerValue = vehicle.integer("odometer_value");
    data.odometerType = vehicle.integer("odometer_type");
    data.licensePlate = vehicle.text("license_plate");
    data.registrationExpirationDate = vehicle.date("registration_expiration_date");
    data.fuelSystem = vehicle.integer("fuel_system_type");
    data.fuelNameFirst = vehicle.text("fuel_name_first");
    data.fuelNameSecond = vehicle.text("fuel_name_second");
    data.locationId = vehicle.integer("location_id");
    data.status = vehicle.integer("status");
    data.order = vehicle.integer("order");
    data.favorite = vehicle.integer("favorite") != 0;
    const QString typeKey = vehicle.text("type_id").trimmed();
    const Table types = tables.value(QStringLiteral("vehicle_types.csv"));
    for (const CsvRecord &row : types.rows) {
        if (types.text(row, "id").trimmed() == typeKey)
            data.typeName = types.text(row, "name");
    }
    if (!vehicle.reason().isEmpty())
        return fail(tr("The vehicle cannot be read: %1.").arg(vehicle.reason()));

    const DistanceUnit distance = data.odometerType == 2 ? DistanceUnit::Miles : DistanceUnit::Kilometres;
    used.distanceUnit = decide(settings.distanceUnit, distance, distance, &batch->distanceUnitSource);
    const VolumeUnitKind volume = manifest.value(QStringLiteral("volume_unit")) == QLatin1String("2") ? VolumeUnitKind::UsGallons
                                                                                                      : VolumeUnitKind::Litres;
    used.volumeUnit = decide(settings.volumeUnit, volume, volume, &batch->volumeUnitSource);
    used.dateOrder = DateOrder::YearMonthDay;
    used.decimalMark = DecimalMark::Point;

    auto ofVehicle = [&vehicleKey](const Table &table, const CsvRecord &row) {
        return table.text(row, "vehicle_id").trimmed() == vehicleKey;
    };
    auto keep = [batch](ImportKind kind, const StoredValues &values) {
        if (values.reason().isEmpty())
            return true;
        batch->problems.append({kind, values.origin(), values.reason()});
        return false;
    };

    const Table &fuel = tables[QStringLiteral("fuel.csv")];
    for (const CsvRecord &record : fuel.rows) {
        if (!ofVehicle(fuel, record))
            continue;
        StoredValues values(fuel, record);
        ImportFuel row;
        row.origin = values.origin();
        row.stored = true;
        row.sourceId = values.integer("id");
        row.date = values.date("date");
        row.odometer = values.integer("odometer");
        row.note = values.text("description");
        row.fuel = values.integer("fuel_type");
        row.costPerUnit = values.decimal("cost_per_unit");
        row.quantity = values.decimal("quantity");
        row.distance = values.integer("distance");
        row.efficiency = values.decimal("efficiency");
        row.totalCost = values.decimal("total_cost");
        row.tires = uint(values.integer("tires"));
        row.drivingStyle = uint(values.integer("driving_style"));
        row.routes = uint(values.integer("routes"));
        row.extras = uint(values.integer("extras"));
        row.driverId = uint(values.integer("driver_id"));
        if (keep(ImportKind::Fuel, values))
            batch->fuel.append(row);
    }

    const Table &items = tables[QStringLiteral("service_items.csv")];
    QHash<QString, QVector<ImportServiceItem>> itemsBySession;
    for (const CsvRecord &record : items.rows) {
        StoredValues values(items, record);
        const ImportServiceItem item{values.text("description"), values.decimal("cost")};
        if (keep(ImportKind::Service, values))
            itemsBySession[values.text("service_log_id").trimmed()].append(item);
    }
    const Table &sessions = tables[QStringLiteral("service_sessions.csv")];
    for (const CsvRecord &record : sessions.rows) {
        if (!ofVehicle(sessions, record))
            continue;
        StoredValues values(sessions, record);
        ImportService row;
        row.origin = values.origin();
        row.sourceId = values.integer("id");
        row.date = values.date("date");
        row.odometer = values.integer("odometer");
        row.description = values.text("description");
        row.total = values.decimal("total_cost");
        row.vendorId = values.integer("vendor_id");
        row.items = itemsBySession.value(values.text("id").trimmed());
        if (keep(ImportKind::Service, values))
            batch->services.append(row);
    }

    const Table &expenses = tables[QStringLiteral("expenses.csv")];
    for (const CsvRecord &record : expenses.rows) {
        if (!ofVehicle(expenses, record))
            continue;
        StoredValues values(expenses, record);
        ImportExpense row;
        row.origin = values.origin();
        row.sourceId = values.integer("id");
        row.date = values.date("date");
        row.amount = values.decimal("amount");
        row.name = values.text("name");
        row.comment = values.text("comment");
        if (keep(ImportKind::Expense, values))
            batch->expenses.append(row);
    }

    const Table &notes = tables[QStringLiteral("notes.csv")];
    for (const CsvRecord &record : notes.rows) {
        if (!ofVehicle(notes, record))
            continue;
        StoredValues values(notes, record);
        ImportNote row;
        row.origin = values.origin();
        row.sourceId = values.integer("id");
        row.date = values.date("date");
        row.title = values.text("title");
        row.text = values.text("description");
        row.starred = values.integer("stared") != 0;
        if (keep(ImportKind::Note, values))
            batch->notes.append(row);
    }

    const Table &odometer = tables[QStringLiteral("odometer.csv")];
    for (const CsvRecord &record : odometer.rows) {
        if (!ofVehicle(odometer, record))
            continue;
        StoredValues values(odometer, record);
        ImportOdometer row;
        row.origin = values.origin();
        row.date = values.date("date");
        row.reading = values.integer("odometer");
        row.description = values.text("description");
        row.parentType = values.integer("parent_type");
        row.parentSourceId = values.integer("parent_id");
        if (keep(ImportKind::Odometer, values))
            batch->odometer.append(row);
    }

    const Table schedules = tables.value(QStringLiteral("service_schedules.csv"));
    for (const CsvRecord &record : schedules.rows) {
        if (!ofVehicle(schedules, record))
            continue;
        StoredValues values(schedules, record);
        ImportSchedule row;
        row.origin = values.origin();
        row.name = values.text("name");
        row.description = values.text("description");
        row.lastCheckDate = values.date("last_check_date");
        row.lastCheckOdometer = values.integer("last_check_odometer", -1);
        row.dueType = values.integer("due_type");
        row.dueDate = values.date("due_date");
        row.dueOdometer = values.integer("due_odometer", -1);
        row.reminderType = values.integer("reminder_type");
        row.reminderDate = values.date("reminder_date");
        row.reminderOdometer = values.integer("reminder_odometer", -1);
        row.repeatType = values.integer("repeat_type");
        row.repeatPeriod = values.text("repeat_period");
        row.repeatOdometer = values.integer("repeat_odometer", -1);
        row.status = values.integer("status", 1);
        if (keep(ImportKind::Schedule, values))
            batch->schedules.append(row);
    }
    return true;
}
