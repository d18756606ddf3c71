#include "import/importsupport.h"
#include "import/readers.h"

using namespace ImportSupport;

namespace {

bool isFuellyHeader(const QString &text)
{
    const QStringList names = CsvReader::records(firstLine(text)).value(0).fields;
    const CsvHeader header(names);
    return header.indexOf(QStringLiteral("car_name")) == 0
           && (header.indexOf(QStringLiteral("fuelup_date")) >= 0 || header.indexOf(QStringLiteral("service_type")) >= 0);
}

// "engine_oil" -> "Engine oil"; names the user typed stay as they are.
QString serviceName(const QString &key)
{
    QString name = key.trimmed();
    if (name.contains(QLatin1Char('_')) || (!name.isEmpty() && name.at(0).isLower())) {
        name.replace(QLatin1Char('_'), QLatin1Char(' '));
        if (!name.isEmpty())
            name[0] = name.at(0).toUpper();
    }
    return name;
}

} // namespace

bool FuellyReader::recognises(const QString &path) const
{
    const QString text = headText(path);
    return isFuellyHeader(text);
}

bool FuellyReader::read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
                        QString *error) const
{
    ImportSettings &used = startBatch(batch, settings);

    struct File
    {
        QString name;
        QVector<CsvRecord> records;
        CsvHeader header;
        bool fuel = false;
    };
    QVector<File> files;
    DistanceUnit distance = DistanceUnit::Detect;
    VolumeUnitKind volume = VolumeUnitKind::Detect;
    for (const QString &path : paths) {
        QString text;
        if (!readText(path, &text, error))
            return false;
        File file;
        file.name = displayName(path);
        file.records = CsvReader::records(text);
        if (file.records.isEmpty() || !isFuellyHeader(text)) {
            if (error)
                *error = tr("%1 is not a Fuelly export.").arg(file.name);
            return false;
        }
        file.header = CsvHeader(file.records.takeFirst().fields);
        file.fuel = file.header.indexOf(QStringLiteral("fuelup_date")) >= 0;
        const QString missing = file.header.firstMissing(
            file.fuel ? QStringList{QStringLiteral("odometer"), QStringLiteral("price")} : QStringList{QStringLiteral("odometer"), QStringLiteral("service_date")});
        if (!missing.isEmpty()) {
            if (error)
                *error = tr("%1 lacks the column \"%2\".").arg(file.name, missing);
            return false;
        }
        if (file.fuel) {
            if (file.header.indexOf(QStringLiteral("miles")) >= 0 || file.header.indexOf(QStringLiteral("mpg")) >= 0)
                distance = DistanceUnit::Miles;
            else if (file.header.indexOf(QStringLiteral("km")) >= 0)
                distance = DistanceUnit::Kilometres;
            if (file.header.indexOf(QStringList{QStringLiteral("litres"), QStringLiteral("liters")}) >= 0)
                volume = VolumeUnitKind::Litres;
            else if (file.header.indexOf(QStringLiteral("gallons")) >= 0)
                volume = VolumeUnitKind::UsGallons;
            if (file.header.indexOf(QStringList{QStringLiteral("litres"), QStringLiteral("liters"), QStringLiteral("gallons")}) < 0) {
                if (error)
                    *error = tr("%1 lacks the fuel quantity column.").arg(file.name);
                return false;
            }
        }
        batch->files.append(file.name);
        files.append(file);
    }
    used.distanceUnit = decide(settings.distanceUnit, distance, DistanceUnit::Kilometres, &batch->distanceUnitSource);
    used.volumeUnit = decide(settings.volumeUnit, volume, VolumeUnitKind::Litres, &batch->volumeUnitSource);
    used.dateOrder = DateOrder::YearMonthDay;
    used.decimalMark = DecimalMark::Point;

    // One car per file is usual, but every row names its car.
    for (const File &file : files) {
        for (const CsvRecord &record : file.records) {
            const QString car = joined({CsvHeader::field(record, file.header.indexOf(QStringLiteral("car_name"))),
                                        CsvHeader::field(record, file.header.indexOf(QStringLiteral("model")))},
                                       QStringLiteral(" - "));
            if (!batch->vehicleChoices.contains(car))
                batch->vehicleChoices.append(car);
        }
    }
    const QString chosen = batch->vehicleChoices.value(qBound(0, settings.vehicleIndex, batch->vehicleChoices.size() - 1));
    if (batch->vehicleChoices.size() < 2)
        batch->vehicleChoices.clear();

    for (const File &file : files) {
        const CsvHeader &h = file.header;
        const int car = h.indexOf(QStringLiteral("car_name"));
        const int model = h.indexOf(QStringLiteral("model"));
        const int odometer = h.indexOf(QStringLiteral("odometer"));
        const int price = h.indexOf(QStringLiteral("price"));
        const int notes = h.indexOf(QStringLiteral("notes"));
        for (const CsvRecord &record : file.records) {
            FieldReader fields(record, used.decimalMark, used.dateOrder);
            if (joined({fields.text(car), fields.text(model)}, QStringLiteral(" - ")) != chosen)
                continue;
            if (!batch->vehicle.present) {
                batch->vehicle.present = true;
                batch->vehicle.name = fields.text(car);
                batch->vehicle.description = fields.text(model);
            }
            const ImportOrigin origin{file.name, record.line};
            if (file.fuel) {
                ImportFuel row;
                row.origin = origin;
                row.date = fields.date(h.indexOf(QStringLiteral("fuelup_date")));
                row.odometer = fields.number(odometer, -1.0);
                row.quantity = fields.number(h.indexOf(QStringList{QStringLiteral("litres"), QStringLiteral("liters"), QStringLiteral("gallons")}));
                row.costPerUnit = fields.number(price);
                row.partial = fields.flag(h.indexOf(QStringLiteral("partial_fuelup")));
                row.missed = fields.flag(h.indexOf(QStringLiteral("missed_fuelup")));
                row.note = joined({fields.text(notes), fields.text(h.indexOf(QStringLiteral("brand"))),
                                   fields.text(h.indexOf(QStringLiteral("tags")))});
                const QString reason = fields.ok() ? checkFuel(&row) : fields.reason();
                if (reason.isEmpty())
                    batch->fuel.append(row);
                else
                    batch->problems.append({ImportKind::Fuel, origin, reason});
                continue;
            }
            const QString type = fields.text(h.indexOf(QStringLiteral("service_type"))).toLower();
            const QDate day = fields.date(h.indexOf(QStringLiteral("service_date")));
            const double odo = fields.number(odometer, -1.0);
            const double amount = fields.number(price);
            QStringList kinds;
            for (const QString &key : fields.text(h.indexOf(QStringLiteral("sub_service_types"))).split(QLatin1Char(','), Qt::SkipEmptyParts))
                kinds.append(serviceName(key));
            const ImportKind kind = type == QLatin1String("service") ? ImportKind::Service : ImportKind::Expense;
            QString reason = fields.ok() ? checkCost(day, amount, odo) : fields.reason();
            if (reason.isEmpty() && odo >= 0)
                reason = odometerProblem(odo);
            if (!reason.isEmpty()) {
                batch->problems.append({kind, origin, reason});
                continue;
            }
            if (kind == ImportKind::Service) {
                // One price for the visit: the first item carries it.
                ImportService row;
                row.origin = origin;
                row.date = day;
                row.odometer = odo;
                row.description = joined({fields.text(notes), fields.text(h.indexOf(QStringLiteral("tags")))});
                for (const QString &name : kinds)
                    row.items.append({name, row.items.isEmpty() ? amount : 0.0});
                row.total = amount;
                batch->services.append(row);
            } else {
                ImportExpense row;
                row.origin = origin;
                row.date = day;
                row.odometer = odo;
                row.name = type == QLatin1String("bought") ? tr("Vehicle purchase")
                           : kinds.isEmpty()              ? serviceName(type)
                                                          : kinds.join(QStringLiteral(", "));
                row.amount = amount;
                row.comment = joined({fields.text(notes), fields.text(h.indexOf(QStringLiteral("tags")))});
                batch->expenses.append(row);
            }
        }
    }
    if (batch->isEmpty() && batch->problems.isEmpty()) {
        if (error)
            *error = tr("The Fuelly export holds no fuel-ups or services.");
        return false;
    }
    return true;
}
