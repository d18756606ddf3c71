#include "import/importsupport.h"
#include "import/readers.h"

#include <QHash>
#include <QRegularExpression>

using namespace ImportSupport;

namespace {

enum class Section { Other, Refuelling, Expense, Service };

Section sectionKind(const QString &name)
{
    const QString folded = name.toCaseFolded();
    static const QStringList refuelling = {QStringLiteral("refuelling"), QStringLiteral("refueling"),
                                           QStringLiteral("reabastecimiento"), QStringLiteral("abastecimento"),
                                           QStringLiteral("abastecimiento")};
    static const QStringList expense = {QStringLiteral("expense"), QStringLiteral("gasto"), QStringLiteral("despesa")};
    static const QStringList service = {QStringLiteral("service"), QStringLiteral("servicio"), QStringLiteral("serviço")};
    if (refuelling.contains(folded))
        return Section::Refuelling;
    if (expense.contains(folded))
        return Section::Expense;
    if (service.contains(folded))
        return Section::Service;
    return Section::Other;
}

// Drivvo writes its markers without a blank after the "#" signs.
bool isDrivvoText(const QString &text)
{
    const QString line = firstLine(text);
    if (!line.startsWith(QLatin1Char('#')))
        return false;
    const QString name = sectionName(line);
    const int at = name.isEmpty() ? -1 : line.indexOf(name);
    return at > 0 && line.at(at - 1) == QLatin1Char('#')
           && (sectionKind(name) != Section::Other || name.compare(QLatin1String("Vehicle"), Qt::CaseInsensitive) == 0);
}

// A column by its English name, else at its place in every known layout.
int column(const CsvHeader &header, const QStringList &names, int position)
{
    const int index = header.indexOf(names);
    return index >= 0 ? index : (position < header.size() ? position : -1);
}

} // namespace

bool DrivvoReader::recognises(const QString &path) const
{
    const QString text = headText(path);
    return isDrivvoText(text);
}

bool DrivvoReader::read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
                        QString *error) const
{
    ImportSettings &used = startBatch(batch, settings);

    QVector<FileSection> all;
    if (!readSections(paths, readText, isDrivvoText, tr("%1 is not a Drivvo export."), batch, &all, error))
        return false;

    // Units from the headers ("Odometer (km)", "Price / L"); dates and
    // numbers from the values.
    DistanceUnit distance = DistanceUnit::Detect;
    VolumeUnitKind volume = VolumeUnitKind::Detect;
    QStringList dates;
    QStringList numbers;
    for (const auto &entry : all) {
        if (entry.second.records.isEmpty())
            continue;
        const QStringList header = entry.second.records.first().fields;
        const QString odometer = header.value(0).toLower();
        if (odometer.contains(QLatin1String("(km)")))
            distance = DistanceUnit::Kilometres;
        else if (odometer.contains(QLatin1String("(mi")))
            distance = DistanceUnit::Miles;
        if (sectionKind(entry.second.name) == Section::Refuelling) {
            const QString price = header.value(3).toLower().remove(QLatin1Char(' '));
            if (price.endsWith(QLatin1String("/l")))
                volume = VolumeUnitKind::Litres;
            else if (price.contains(QLatin1String("gal")))
                volume = VolumeUnitKind::UsGallons;
        }
        for (int i = 1; i < entry.second.records.size(); ++i) {
            const QStringList &fields = entry.second.records.at(i).fields;
            dates.append(fields.value(1));
            for (int f = 2; f < fields.size(); ++f) {
                static const QRegularExpression numeric(QStringLiteral("^-?[0-9]+[.,][0-9]+$"));
                if (numeric.match(fields.at(f).trimmed()).hasMatch())
                    numbers.append(fields.at(f));
            }
        }
    }
    used.distanceUnit = decide(settings.distanceUnit, distance, DistanceUnit::Kilometres, &batch->distanceUnitSource);
    used.volumeUnit = decide(settings.volumeUnit, volume, VolumeUnitKind::Litres, &batch->volumeUnitSource);
    SettingSource orderSource = SettingSource::Guessed;
    const DateOrder order = detectDateOrder(dates, DateOrder::DayMonthYear, &orderSource);
    used.dateOrder = decide(settings.dateOrder, orderSource == SettingSource::FromFile ? order : DateOrder::Detect,
                            order, &batch->dateOrderSource);
    SettingSource markSource = SettingSource::Guessed;
    const DecimalMark mark = detectDecimalMark(numbers, &markSource);
    used.decimalMark = settings.decimalMark == DecimalMark::Detect ? mark : settings.decimalMark;
    batch->decimalMarkSource = markSource;

    QHash<QString, int> serviceVisits; // date, odometer and place -> index in services
    for (const auto &entry : all) {
        const QString &file = entry.first;
        const CsvSection &section = entry.second;
        const Section kind = sectionKind(section.name);
        if (kind == Section::Other || section.records.size() < 2)
            continue;
        const CsvHeader h(section.records.first().fields);
        const int odometer = 0;
        const int date = column(h, {QStringLiteral("Date")}, 1);
        for (int i = 1; i < section.records.size(); ++i) {
            const CsvRecord &record = section.records.at(i);
            FieldReader fields(record, used.decimalMark, used.dateOrder);
            const ImportOrigin origin{file, record.line};
            const QDate day = fields.date(date);
            const double odo = fields.number(odometer, -1.0);
            if (kind == Section::Refuelling) {
                const int notes = h.indexOf(QStringLiteral("Notes"));
                const int station = h.indexOf(QStringLiteral("Gas station"));
                const int reason = h.indexOf(QStringLiteral("Reason"));
                // Up to three fuels per refuelling: name, price, total,
                // volume, full tank.
                const int starts[3] = {column(h, {QStringLiteral("Fuel")}, 2),
                                       column(h, {QStringLiteral("Second fuel")}, 7),
                                       column(h, {QStringLiteral("Third fuel")}, 12)};
                bool any = false;
                for (int group = 0; group < 3; ++group) {
                    const int start = starts[group];
                    if (start < 0 || fields.text(start + 3).isEmpty() || fields.number(start + 3) == 0.0)
                        continue;
                    any = true;
                    ImportFuel row;
                    row.origin = origin;
                    row.date = day;
                    row.odometer = odo;
                    row.costPerUnit = fields.number(start + 1);
                    row.totalCost = fields.number(start + 2);
                    row.quantity = fields.number(start + 3);
                    row.partial = !fields.flag(start + 4);
                    row.fuel = group == 0 ? 1 : 2;
                    row.note = joined({fields.text(notes), fields.text(station), fields.text(reason)});
                    QString problem = fields.ok() ? checkFuel(&row) : fields.reason();
                    if (problem.isEmpty() && group == 2)
                        problem = tr("a third fuel cannot be recorded");
                    if (problem.isEmpty())
                        batch->fuel.append(row);
                    else
                        batch->problems.append({ImportKind::Fuel, origin, problem});
                }
                if (!any)
                    batch->problems.append({ImportKind::Fuel, origin,
                                            fields.ok() ? tr("no fuel quantity given") : fields.reason()});
                continue;
            }
            const double amount = fields.number(column(h, {QStringLiteral("Total cost")}, 2));
            QString problem = fields.ok() ? checkCost(day, amount, odo) : fields.reason();
            const ImportKind importKind = kind == Section::Service ? ImportKind::Service : ImportKind::Expense;
            if (problem.isEmpty() && odo >= 0)
                problem = odometerProblem(odo);
            if (!problem.isEmpty()) {
                batch->problems.append({importKind, origin, problem});
                continue;
            }
            const QString type = fields.text(column(h, {QStringLiteral("Type of expense"), QStringLiteral("Type of service")}, 3));
            const QString place = fields.text(column(h, {QStringLiteral("Local expense"), QStringLiteral("Local service")}, 4));
            const QString notes = fields.text(h.indexOf(QStringLiteral("Notes")));
            if (kind == Section::Expense) {
                ImportExpense row;
                row.origin = origin;
                row.date = day;
                row.odometer = odo;
                row.name = type;
                row.amount = amount;
                row.comment = joined({notes, place, fields.text(h.indexOf(QStringLiteral("Reason")))});
                batch->expenses.append(row);
                continue;
            }
            // One visit is several rows sharing date, odometer and place.
            const QString key = fields.text(date) + QLatin1Char('\n') + fields.text(odometer) + QLatin1Char('\n') + place;
            auto visit = serviceVisits.constFind(key);
            if (visit == serviceVisits.constEnd()) {
                ImportService row;
                row.origin = origin;
                row.date = day;
                row.odometer = odo;
                row.description = place;
                visit = serviceVisits.insert(key, batch->services.size());
                batch->services.append(row);
            }
            ImportService &service = batch->services[*visit];
            service.items.append({joined({type, notes}, QStringLiteral(" - ")), amount});
            service.total += amount;
        }
    }
    if (batch->isEmpty() && batch->problems.isEmpty()) {
        if (error)
            *error = tr("The Drivvo export holds no refuellings, expenses or services.");
        return false;
    }
    return true;
}
