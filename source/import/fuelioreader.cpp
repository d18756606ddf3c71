#include "import/importsupport.h"
#include "import/readers.h"
#include "utility/clock.h"

#include <QRegularExpression>

using namespace ImportSupport;

namespace {

const QRegularExpression &syncName()
{
    static const QRegularExpression pattern(QStringLiteral("(^|/)vehicle-\\d+-sync\\.csv$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Fuelio writes "## Vehicle" with a blank after the marker.
bool isFuelioText(const QString &text)
{
    QString line = firstLine(text);
    line.remove(QLatin1Char('"'));
    const QString name = sectionName(line);
    return line.startsWith(QLatin1String("## ")) && (name == QLatin1String("Vehicle") || name == QLatin1String("Log"));
}

// The backup's text: the file itself, or the vehicle file of a zip.
bool backupText(const QString &path, QString *text, QString *error)
{
    if (!isZip(head(path, 4)))
        return readText(path, text, error);
    QMap<QString, QByteArray> files;
    if (!readZip(path, {QStringLiteral("-sync.csv")}, &files, error))
        return false;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (syncName().match(it.key()).hasMatch())
            return CsvReader::decode(it.value(), text, error);
    }
    if (error)
        *error = FuelioReader::tr("The archive holds no Fuelio vehicle file.");
    return false;
}

} // namespace

bool FuelioReader::recognises(const QString &path) const
{
    const QByteArray start = head(path);
    if (isZip(start)) {
        QStringList names;
        if (!zipNames(path, &names))
            return false;
        for (const QString &name : names) {
            if (syncName().match(name).hasMatch())
                return true;
        }
        return false;
    }
    return isFuelioText(headText(path));
}

bool FuelioReader::read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
                        QString *error) const
{
    ImportSettings &used = startBatch(batch, settings);

    QVector<FileSection> all;
    if (!readSections(paths, backupText, isFuelioText, tr("%1 is not a Fuelio backup."), batch, &all, error))
        return false;

    auto section = [&all](const QString &name, QString *file) -> const CsvSection * {
        for (const auto &entry : all) {
            if (entry.second.name.compare(name, Qt::CaseInsensitive) == 0) {
                *file = entry.first;
                return &entry.second;
            }
        }
        return nullptr;
    };

    // Units and date pattern come from the vehicle row; the headers say the
    // units too.
    DistanceUnit distance = DistanceUnit::Detect;
    VolumeUnitKind volume = VolumeUnitKind::Detect;
    DateOrder order = DateOrder::Detect;
    QString file;
    if (const CsvSection *vehicle = section(QStringLiteral("Vehicle"), &file)) {
        if (vehicle->records.size() >= 2) {
            const CsvHeader header(vehicle->records.first().fields);
            const CsvRecord &row = vehicle->records.at(1);
            auto field = [&](const char *name) { return CsvHeader::field(row, header.indexOf(QLatin1String(name))).trimmed(); };
            ImportVehicle &data = batch->vehicle;
            data.present = true;
            data.name = field("Name");
            data.licensePlate = field("Plate");
            data.description = joined({joined({field("Make"), field("Model"), field("Year")}, QStringLiteral(" ")),
                                       field("Description"), field("VIN").isEmpty() ? QString() : QStringLiteral("VIN ") + field("VIN")},
                                      QStringLiteral("\n"));
            data.fuelSystem = field("TankCount") == QLatin1String("2") ? 2 : 1;
            const QString dist = field("DistUnit");
            distance = dist == QLatin1String("0") ? DistanceUnit::Kilometres
                       : dist == QLatin1String("1") ? DistanceUnit::Miles
                                                    : DistanceUnit::Detect;
            const QString fuel = field("FuelUnit");
            volume = fuel == QLatin1String("0") ? VolumeUnitKind::Litres
                     : fuel == QLatin1String("1") ? VolumeUnitKind::UsGallons
                     : fuel == QLatin1String("2") ? VolumeUnitKind::UkGallons
                                                  : VolumeUnitKind::Detect;
            const QString pattern = field("ImportCSVDateFormat").toLower();
            order = pattern.startsWith(QLatin1String("yyyy")) ? DateOrder::YearMonthDay
                    : pattern.startsWith(QLatin1String("dd"))  ? DateOrder::DayMonthYear
                    : pattern.startsWith(QLatin1String("mm"))  ? DateOrder::MonthDayYear
                                                               : DateOrder::Detect;
        }
    }

    const CsvSection *log = section(QStringLiteral("Log"), &file);
    const QString logFile = file;
    CsvHeader logHeader;
    if (log && !log->records.isEmpty())
        logHeader = CsvHeader(log->records.first().fields);
    if (distance == DistanceUnit::Detect) {
        const QString odo = logHeader.name(logHeader.indexStartingWith(QStringLiteral("Odo")));
        distance = odo.contains(QLatin1String("mi")) ? DistanceUnit::Miles
                   : odo.contains(QLatin1String("km")) ? DistanceUnit::Kilometres
                                                       : DistanceUnit::Detect;
    }
    if (volume == VolumeUnitKind::Detect) {
        const QString fuel = logHeader.name(logHeader.indexStartingWith(QStringLiteral("Fuel (")));
        volume = fuel.contains(QLatin1String("us")) ? VolumeUnitKind::UsGallons
                 : fuel.contains(QLatin1String("uk")) || fuel.contains(QLatin1String("imp")) ? VolumeUnitKind::UkGallons
                 : fuel.contains(QLatin1String("litre")) || fuel.contains(QLatin1String("liter")) ? VolumeUnitKind::Litres
                                                                                               : VolumeUnitKind::Detect;
    }
    used.distanceUnit = decide(settings.distanceUnit, distance, DistanceUnit::Kilometres, &batch->distanceUnitSource);
    used.volumeUnit = decide(settings.volumeUnit, volume, VolumeUnitKind::Litres, &batch->volumeUnitSource);
    used.dateOrder = decide(settings.dateOrder, order, DateOrder::YearMonthDay, &batch->dateOrderSource);
    used.decimalMark = settings.decimalMark == DecimalMark::Detect ? DecimalMark::Point : settings.decimalMark;
    batch->decimalMarkSource = SettingSource::NotUsed;

    if (log && log->records.size() > 1) {
        const CsvHeader &h = logHeader;
        const int date = h.indexOf(QStringLiteral("Data"));
        const int odometer = h.indexStartingWith(QStringLiteral("Odo"));
        const int quantity = h.indexStartingWith(QStringLiteral("Fuel ("));
        const int full = h.indexOf(QStringLiteral("Full"));
        const int total = h.indexStartingWith(QStringLiteral("Price"));
        const int city = h.indexStartingWith(QStringLiteral("City"));
        const int notes = h.indexStartingWith(QStringLiteral("Notes"));
        const int missed = h.indexOf(QStringLiteral("Missed"));
        const int tank = h.indexOf(QStringLiteral("TankNumber"));
        const int price = h.indexOf(QStringLiteral("VolumePrice"));
        if (date < 0 || odometer < 0 || quantity < 0) {
            if (error)
                *error = tr("The fuel log of %1 lacks the column \"%2\".")
                             .arg(logFile, date < 0 ? QStringLiteral("Data") : odometer < 0 ? QStringLiteral("Odo") : QStringLiteral("Fuel"));
            return false;
        }
        for (int i = 1; i < log->records.size(); ++i) {
            const CsvRecord &record = log->records.at(i);
            FieldReader fields(record, used.decimalMark, used.dateOrder);
            ImportFuel row;
            row.origin = {logFile, record.line};
            row.date = fields.date(date);
            row.odometer = fields.number(odometer);
            row.quantity = fields.number(quantity);
            row.totalCost = fields.number(total);
            row.costPerUnit = fields.number(price);
            row.partial = full >= 0 && !fields.flag(full);
            row.missed = fields.flag(missed);
            row.fuel = fields.text(tank) == QLatin1String("2") ? 2 : 1;
            row.note = joined({fields.text(notes), fields.text(city)});
            const QString reason = fields.ok() ? checkFuel(&row) : fields.reason();
            if (reason.isEmpty())
                batch->fuel.append(row);
            else
                batch->problems.append({ImportKind::Fuel, row.origin, reason});
        }
    }

    // Cost categories name the kinds; Service and Maintenance are services.
    QMap<QString, QString> categories;
    if (const CsvSection *names = section(QStringLiteral("CostCategories"), &file)) {
        if (!names->records.isEmpty()) {
            const CsvHeader header(names->records.first().fields);
            for (int i = 1; i < names->records.size(); ++i)
                categories.insert(CsvHeader::field(names->records.at(i), header.indexOf(QStringLiteral("CostTypeID"))).trimmed(),
                                  CsvHeader::field(names->records.at(i), header.indexOf(QStringLiteral("Name"))).trimmed());
        }
    }
    if (const CsvSection *costs = section(QStringLiteral("Costs"), &file)) {
        if (costs->records.size() > 1) {
            const CsvHeader h(costs->records.first().fields);
            const int title = h.indexOf(QStringLiteral("CostTitle"));
            const int date = h.indexOf(QStringLiteral("Date"));
            const int odometer = h.indexOf(QStringLiteral("Odo"));
            const int type = h.indexOf(QStringLiteral("CostTypeID"));
            const int notes = h.indexOf(QStringLiteral("Notes"));
            const int cost = h.indexOf(QStringLiteral("Cost"));
            const int templ = h.indexOf(QStringLiteral("isTemplate"));
            const int income = h.indexOf(QStringLiteral("isIncome"));
            const QDate today = Utility::Clock::today();
            for (int i = 1; i < costs->records.size(); ++i) {
                const CsvRecord &record = costs->records.at(i);
                FieldReader fields(record, used.decimalMark, used.dateOrder);
                const ImportOrigin origin{file, record.line};
                const QString typeId = fields.text(type);
                const bool service = typeId == QLatin1String("1") || typeId == QLatin1String("2");
                const ImportKind kind = service ? ImportKind::Service : ImportKind::Expense;
                const QDate day = fields.date(date);
                const double odo = fields.number(odometer);
                const double amount = fields.number(cost);
                QString reason = fields.reason();
                if (reason.isEmpty() && fields.flag(templ))
                    reason = tr("a template, not a cost");
                else if (reason.isEmpty() && fields.flag(income))
                    reason = tr("an income, not a cost");
                else if (reason.isEmpty() && day > today)
                    reason = tr("a planned cost dated in the future");
                if (reason.isEmpty())
                    reason = checkCost(day, amount, odo);
                if (!reason.isEmpty()) {
                    batch->problems.append({kind, origin, reason});
                    continue;
                }
                const QString name = fields.text(title).isEmpty() ? categories.value(typeId) : fields.text(title);
                if (service) {
                    ImportService row;
                    row.origin = origin;
                    row.date = day;
                    row.odometer = odo > 0 ? odo : -1.0;
                    row.description = fields.text(notes);
                    row.items.append({name, amount});
                    row.total = amount;
                    batch->services.append(row);
                } else {
                    ImportExpense row;
                    row.origin = origin;
                    row.date = day;
                    row.odometer = odo > 0 ? odo : -1.0;
                    row.name = name;
                    row.amount = amount;
                    row.comment = fields.text(notes);
                    batch->expenses.append(row);
                }
            }
        }
    }
    if (batch->isEmpty() && batch->problems.isEmpty()) {
        if (error)
            *error = tr("The Fuelio backup holds no fuel entries or costs.");
        return false;
    }
    return true;
}
