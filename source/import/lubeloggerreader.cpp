#include "import/importsupport.h"
#include "import/readers.h"

#include <QRegularExpression>

using namespace ImportSupport;

namespace {

enum class Tab { None, Fuel, Odometer, Service, Tax };

Tab tabOf(const QStringList &names)
{
    QStringList folded;
    for (const QString &name : names)
        folded.append(name.trimmed().toCaseFolded());
    auto startsWith = [&folded](const QStringList &prefix) {
        return folded.size() >= prefix.size() && folded.mid(0, prefix.size()) == prefix;
    };
    if (startsWith({QStringLiteral("date"), QStringLiteral("odometer"), QStringLiteral("fuelconsumed")}))
        return Tab::Fuel;
    if (startsWith({QStringLiteral("date"), QStringLiteral("initialodometer"), QStringLiteral("odometer")}))
        return Tab::Odometer;
    if (startsWith({QStringLiteral("date"), QStringLiteral("description"), QStringLiteral("cost"), QStringLiteral("notes"),
                    QStringLiteral("odometer")}))
        return Tab::Service;
    if (startsWith({QStringLiteral("date"), QStringLiteral("description"), QStringLiteral("cost"), QStringLiteral("notes"),
                    QStringLiteral("tags")}))
        return Tab::Tax;
    return Tab::None;
}

Tab tabOfText(const QString &text)
{
    return tabOf(CsvReader::records(firstLine(text)).value(0).fields);
}

// The decimal mark of currency texts: the last mark followed by exactly two
// digits at the end.
void collectMoney(const QString &text, QStringList *numbers)
{
    static const QRegularExpression tail(QStringLiteral("([.,])[0-9]{2}\\D*$"));
    const QRegularExpressionMatch match = tail.match(text.trimmed());
    if (match.hasMatch())
        numbers->append(QStringLiteral("0") + match.captured(1) + QStringLiteral("00"));
}

// Tags and extra fields go into the note.
QString noteOf(const CsvHeader &header, const ImportSupport::FieldReader &fields, int notes)
{
    QStringList parts{fields.text(notes), fields.text(header.indexOf(QStringLiteral("Tags")))};
    for (int i = 0; i < header.size(); ++i) {
        if (header.name(i).startsWith(QLatin1String("extrafield_")) && !fields.text(i).isEmpty())
            parts.append(header.name(i).mid(11) + QStringLiteral(": ") + fields.text(i));
    }
    return joined(parts);
}

} // namespace

bool LubeLoggerReader::recognises(const QString &path) const
{
    const QString text = headText(path);
    return tabOfText(text) != Tab::None;
}

bool LubeLoggerReader::read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
                            QString *error) const
{
    ImportSettings &used = startBatch(batch, settings);

    struct File
    {
        QString name;
        Tab tab = Tab::None;
        CsvHeader header;
        QVector<CsvRecord> records;
    };
    QVector<File> files;
    QStringList dates;
    QStringList numbers;
    for (const QString &path : paths) {
        QString text;
        if (!readText(path, &text, error))
            return false;
        File file;
        file.name = displayName(path);
        file.records = CsvReader::records(text);
        file.tab = file.records.isEmpty() ? Tab::None : tabOf(file.records.first().fields);
        if (file.tab == Tab::None) {
            if (error)
                *error = tr("%1 is not a LubeLogger export.").arg(file.name);
            return false;
        }
        file.header = CsvHeader(file.records.takeFirst().fields);
        for (const CsvRecord &record : file.records) {
            dates.append(record.fields.value(0));
            if (file.tab == Tab::Fuel) {
                numbers << record.fields.value(2) << record.fields.value(3);
            } else if (file.tab != Tab::Odometer) {
                collectMoney(record.fields.value(2), &numbers);
            }
        }
        batch->files.append(file.name);
        files.append(file);
    }

    // Nothing in the files names the units; the server's locale wrote the
    // dates and numbers.
    SettingSource orderSource = SettingSource::Guessed;
    const bool slashes = !dates.isEmpty() && dates.first().contains(QLatin1Char('/'));
    const DateOrder order = detectDateOrder(dates, slashes ? DateOrder::MonthDayYear : DateOrder::DayMonthYear, &orderSource);
    used.dateOrder = decide(settings.dateOrder, orderSource == SettingSource::FromFile ? order : DateOrder::Detect, order,
                            &batch->dateOrderSource);
    SettingSource markSource = SettingSource::Guessed;
    const DecimalMark mark = detectDecimalMark(numbers, &markSource);
    used.decimalMark = settings.decimalMark == DecimalMark::Detect ? mark : settings.decimalMark;
    batch->decimalMarkSource = SettingSource::Guessed;
    // US dates suggest miles and US gallons.
    const bool us = used.dateOrder == DateOrder::MonthDayYear;
    used.distanceUnit = decide(settings.distanceUnit, DistanceUnit::Detect,
                               us ? DistanceUnit::Miles : DistanceUnit::Kilometres, &batch->distanceUnitSource);
    used.volumeUnit = decide(settings.volumeUnit, VolumeUnitKind::Detect,
                             us ? VolumeUnitKind::UsGallons : VolumeUnitKind::Litres, &batch->volumeUnitSource);

    for (const File &file : files) {
        const CsvHeader &h = file.header;
        const int date = h.indexOf(QStringLiteral("Date"));
        const int odometer = h.indexOf(QStringLiteral("Odometer"));
        const int notes = h.indexOf(QStringLiteral("Notes"));
        for (const CsvRecord &record : file.records) {
            FieldReader fields(record, used.decimalMark, used.dateOrder);
            const ImportOrigin origin{file.name, record.line};
            const QDate day = fields.date(date);
            const double odo = fields.number(odometer, -1.0);
            switch (file.tab) {
            case Tab::Fuel: {
                ImportFuel row;
                row.origin = origin;
                row.date = day;
                row.odometer = odo;
                row.quantity = fields.number(h.indexOf(QStringLiteral("FuelConsumed")));
                row.totalCost = fields.number(h.indexOf(QStringLiteral("Cost")));
                row.partial = !fields.flag(h.indexOf(QStringLiteral("IsFillToFull")));
                row.missed = fields.flag(h.indexOf(QStringLiteral("MissedFuelUp")));
                row.note = noteOf(h, fields, notes);
                const QString reason = fields.ok() ? checkFuel(&row) : fields.reason();
                if (reason.isEmpty())
                    batch->fuel.append(row);
                else
                    batch->problems.append({ImportKind::Fuel, origin, reason});
                break;
            }
            case Tab::Odometer: {
                ImportOdometer row;
                row.origin = origin;
                row.date = day;
                row.reading = odo;
                row.description = noteOf(h, fields, notes);
                QString reason = fields.reason();
                if (reason.isEmpty())
                    reason = odo < 0 && fields.text(odometer).isEmpty() ? tr("no odometer reading given") : odometerProblem(odo);
                if (reason.isEmpty())
                    batch->odometer.append(row);
                else
                    batch->problems.append({ImportKind::Odometer, origin, reason});
                break;
            }
            case Tab::Service:
            case Tab::Tax: {
                const double amount = fields.money(h.indexOf(QStringLiteral("Cost")));
                const ImportKind kind = file.tab == Tab::Service ? ImportKind::Service : ImportKind::Expense;
                QString reason = fields.ok() ? checkCost(day, amount, odo) : fields.reason();
                if (reason.isEmpty() && odo >= 0)
                    reason = odometerProblem(odo);
                if (!reason.isEmpty()) {
                    batch->problems.append({kind, origin, reason});
                    break;
                }
                const QString description = fields.text(h.indexOf(QStringLiteral("Description")));
                if (kind == ImportKind::Service) {
                    ImportService row;
                    row.origin = origin;
                    row.date = day;
                    row.odometer = odo;
                    row.description = noteOf(h, fields, notes);
                    row.items.append({description, amount});
                    row.total = amount;
                    batch->services.append(row);
                } else {
                    ImportExpense row;
                    row.origin = origin;
                    row.date = day;
                    row.name = description;
                    row.amount = amount;
                    row.comment = noteOf(h, fields, notes);
                    batch->expenses.append(row);
                }
                break;
            }
            case Tab::None:
                break;
            }
        }
    }
    if (batch->isEmpty() && batch->problems.isEmpty()) {
        if (error)
            *error = tr("The LubeLogger export holds no records.");
        return false;
    }
    return true;
}
