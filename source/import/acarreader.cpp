#include "import/importsupport.h"
#include "import/readers.h"

#include <QHash>
#include <QXmlStreamReader>

using namespace ImportSupport;

namespace {

// A small element tree of an XML file.
struct XmlNode
{
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    int line = 0;
    QVector<XmlNode> children;

    const XmlNode *child(const QString &childName) const
    {
        for (const XmlNode &node : children) {
            if (node.name == childName)
                return &node;
        }
        return nullptr;
    }
    QString value(const QString &childName) const
    {
        const XmlNode *node = child(childName);
        return node ? node->text.trimmed() : QString();
    }
    QString attribute(const QString &attributeName) const { return attributes.value(attributeName).toString(); }
};

constexpr int MaximumDepth = 64;

bool parseNode(QXmlStreamReader &xml, XmlNode *node, int depth)
{
    node->name = xml.name().toString();
    node->attributes = xml.attributes();
    node->line = int(xml.lineNumber());
    while (xml.readNext() != QXmlStreamReader::Invalid) {
        if (xml.isStartElement()) {
            if (depth >= MaximumDepth)
                return false;
            node->children.append(XmlNode());
            if (!parseNode(xml, &node->children.last(), depth + 1))
                return false;
        } else if (xml.isCharacters()) {
            node->text += xml.text();
        } else if (xml.isEndElement()) {
            return true;
        }
    }
    return false;
}

bool parseXml(const QByteArray &bytes, XmlNode *root)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    if (!xml.isStartElement())
        return false;
    return parseNode(xml, root, 0) && !xml.hasError();
}

// The file of the archive whose name ends with `name`, any case.
QByteArray entry(const QMap<QString, QByteArray> &files, const QString &name)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString base = it.key().mid(it.key().lastIndexOf(QLatin1Char('/')) + 1);
        if (base.compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return QByteArray();
}

bool hasMetadata(const QStringList &names)
{
    for (const QString &name : names) {
        if (name.mid(name.lastIndexOf(QLatin1Char('/')) + 1).compare(QLatin1String("metadata.inf"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

DistanceUnit distanceUnit(const QString &text)
{
    const QString unit = text.trimmed().toLower();
    if (unit == QLatin1String("mi") || unit == QLatin1String("mile") || unit == QLatin1String("miles") || unit == QLatin1String("m"))
        return DistanceUnit::Miles;
    if (unit == QLatin1String("km") || unit == QLatin1String("kilometer") || unit == QLatin1String("kilometre"))
        return DistanceUnit::Kilometres;
    return DistanceUnit::Detect;
}

VolumeUnitKind volumeUnit(const QString &text)
{
    const QString unit = text.trimmed().toLower();
    if (unit == QLatin1String("l") || unit == QLatin1String("liter") || unit == QLatin1String("litre"))
        return VolumeUnitKind::Litres;
    if (unit == QLatin1String("gal (us)") || unit == QLatin1String("us_gallon"))
        return VolumeUnitKind::UsGallons;
    if (unit == QLatin1String("gal (uk)") || unit == QLatin1String("uk_gallon") || unit == QLatin1String("gallon"))
        return VolumeUnitKind::UkGallons;
    return VolumeUnitKind::Detect;
}

// aCar dates: "MM/dd/yyyy - HH:mm".
QDate acarDate(const QString &text)
{
    return ImportSupport::date(text.section(QLatin1Char('-'), 0, 0).trimmed(), DateOrder::MonthDayYear);
}

} // namespace

bool ACarReader::recognises(const QString &path) const
{
    QStringList names;
    return isZip(head(path, 4)) && zipNames(path, &names) && hasMetadata(names);
}

bool ACarReader::read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
                      QString *error) const
{
    ImportSettings &used = startBatch(batch, settings);
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (paths.size() != 1)
        return fail(tr("Choose one aCar backup at a time."));
    const QString file = displayName(paths.first());
    batch->files.append(file);

    QMap<QString, QByteArray> files;
    if (!readZip(paths.first(), {QStringLiteral(".xml"), QStringLiteral(".inf")}, &files, error))
        return false;
    const QString metadata = QString::fromUtf8(entry(files, QStringLiteral("metadata.inf")));
    if (!metadata.contains(QLatin1String("acar.backup.type=Full-Backup")))
        return fail(tr("%1 is not a full aCar backup.").arg(file));

    XmlNode vehicles, preferences, fuelTypes, subtypes, oldServices, oldExpenses;
    if (!parseXml(entry(files, QStringLiteral("vehicles.xml")), &vehicles))
        return fail(tr("The vehicles of %1 cannot be read.").arg(file));
    parseXml(entry(files, QStringLiteral("preferences.xml")), &preferences);
    parseXml(entry(files, QStringLiteral("fuel-types.xml")), &fuelTypes);
    parseXml(entry(files, QStringLiteral("event-subtypes.xml")), &subtypes);
    parseXml(entry(files, QStringLiteral("services.xml")), &oldServices);
    parseXml(entry(files, QStringLiteral("expenses.xml")), &oldExpenses);

    QVector<const XmlNode *> all;
    for (const XmlNode &node : vehicles.children) {
        if (node.name == QLatin1String("vehicle"))
            all.append(&node);
    }
    if (all.isEmpty())
        return fail(tr("%1 holds no vehicle.").arg(file));
    if (all.size() > 1) {
        for (const XmlNode *node : all)
            batch->vehicleChoices.append(node->value(QStringLiteral("name")));
    }
    const int index = qBound(0, settings.vehicleIndex, int(all.size()) - 1);
    used.vehicleIndex = index;
    const XmlNode &vehicle = *all.at(index);

    // Units: the vehicle's own, else the old global preferences, else the
    // efficiency unit.
    QHash<QString, QString> prefs;
    for (const XmlNode &node : preferences.children)
        prefs.insert(node.attribute(QStringLiteral("name")), node.text.trimmed());
    DistanceUnit distance = distanceUnit(vehicle.value(QStringLiteral("distance-unit")));
    VolumeUnitKind volume = volumeUnit(vehicle.value(QStringLiteral("volume-unit")));
    if (distance == DistanceUnit::Detect)
        distance = distanceUnit(prefs.value(QStringLiteral("acar.distance-unit")));
    if (volume == VolumeUnitKind::Detect)
        volume = volumeUnit(prefs.value(QStringLiteral("acar.volume-unit")));
    const QString efficiency = prefs.value(QStringLiteral("acar.fuel-efficiency-unit")).toUpper();
    if (distance == DistanceUnit::Detect && !efficiency.isEmpty())
        distance = efficiency.startsWith(QLatin1String("MPG")) ? DistanceUnit::Miles : DistanceUnit::Kilometres;
    if (volume == VolumeUnitKind::Detect && !efficiency.isEmpty())
        volume = efficiency.contains(QLatin1String("US")) ? VolumeUnitKind::UsGallons
                 : efficiency.startsWith(QLatin1String("MPG")) ? VolumeUnitKind::UkGallons
                                                               : VolumeUnitKind::Litres;
    used.distanceUnit = decide(settings.distanceUnit, distance, DistanceUnit::Kilometres, &batch->distanceUnitSource);
    used.volumeUnit = decide(settings.volumeUnit, volume, VolumeUnitKind::Litres, &batch->volumeUnitSource);
    used.dateOrder = DateOrder::MonthDayYear;
    used.decimalMark = DecimalMark::Point;

    QHash<QString, QString> fuelNames;
    for (const XmlNode &node : fuelTypes.children)
        fuelNames.insert(node.attribute(QStringLiteral("id")), node.value(QStringLiteral("name")));
    QHash<QString, QString> kindNames;
    for (const XmlNode *list : {&subtypes, &oldServices, &oldExpenses}) {
        for (const XmlNode &node : list->children)
            kindNames.insert(node.name + node.attribute(QStringLiteral("id")), node.value(QStringLiteral("name")));
    }

    ImportVehicle &data = batch->vehicle;
    data.present = true;
    data.name = vehicle.value(QStringLiteral("name"));
    data.licensePlate = vehicle.value(QStringLiteral("license-plate"));
    data.description = joined({joined({vehicle.value(QStringLiteral("make")), vehicle.value(QStringLiteral("model")),
                                       vehicle.value(QStringLiteral("year"))}, QStringLiteral(" ")),
                               vehicle.value(QStringLiteral("notes"))},
                              QStringLiteral("\n"));

    auto number = [](const QString &text, double fallback, QString *reason) {
        if (text.trimmed().isEmpty())
            return fallback;
        const std::optional<double> value = ImportSupport::number(text, DecimalMark::Point, reason);
        return value.value_or(fallback);
    };
    const QString vehiclesFile = file + QStringLiteral(" (vehicles.xml)");
    auto origin = [&vehiclesFile](const XmlNode &node) { return ImportOrigin{vehiclesFile, node.line}; };

    if (const XmlNode *fillups = vehicle.child(QStringLiteral("fillup-records"))) {
        for (const XmlNode &node : fillups->children) {
            ImportFuel row;
            row.origin = origin(node);
            QString reason;
            row.date = acarDate(node.value(QStringLiteral("date")));
            row.odometer = number(node.value(QStringLiteral("odometer-reading")), -1.0, &reason);
            row.quantity = number(node.value(QStringLiteral("volume")), 0.0, &reason);
            row.totalCost = number(node.value(QStringLiteral("total-cost")), 0.0, &reason);
            row.partial = node.value(QStringLiteral("partial")) == QLatin1String("true");
            row.missed = node.value(QStringLiteral("previous-missed-fillups")) == QLatin1String("true");
            row.note = joined({node.value(QStringLiteral("notes")), node.value(QStringLiteral("fuel-brand")),
                               node.value(QStringLiteral("fueling-station-address"))});
            if (data.fuelNameFirst.isEmpty())
                data.fuelNameFirst = fuelNames.value(node.value(QStringLiteral("fuel-type-id")));
            if (reason.isEmpty() && !row.date.isValid())
                reason = badDate(node.value(QStringLiteral("date")));
            if (reason.isEmpty())
                reason = checkFuel(&row);
            if (reason.isEmpty())
                batch->fuel.append(row);
            else
                batch->problems.append({ImportKind::Fuel, row.origin, reason});
        }
    }

    // New backups keep costs as events; old ones as service and expense
    // records.
    struct Costs
    {
        const char *list;
        const char *kindList;
        const char *kindElement;
    };
    const Costs lists[] = {{"event-records", "subtypes", "event-subtype"},
                           {"service-records", "services", "service"},
                           {"expense-records", "expenses", "expense"}};
    for (const Costs &costs : lists) {
        const XmlNode *records = vehicle.child(QLatin1String(costs.list));
        if (!records)
            continue;
        for (const XmlNode &node : records->children) {
            const bool service = node.name == QLatin1String("service-record")
                                 || (node.name == QLatin1String("event-record")
                                     && node.value(QStringLiteral("type")) == QLatin1String("service"));
            const ImportKind kind = service ? ImportKind::Service : ImportKind::Expense;
            QString reason;
            const QDate day = acarDate(node.value(QStringLiteral("date")));
            const double odometer = number(node.value(QStringLiteral("odometer-reading")), -1.0, &reason);
            const double amount = number(node.value(QStringLiteral("total-cost")), 0.0, &reason);
            if (reason.isEmpty() && !day.isValid())
                reason = badDate(node.value(QStringLiteral("date")));
            if (reason.isEmpty())
                reason = checkCost(day, amount, odometer);
            if (reason.isEmpty() && odometer >= 0)
                reason = odometerProblem(odometer);
            if (!reason.isEmpty()) {
                batch->problems.append({kind, origin(node), reason});
                continue;
            }
            QStringList names;
            if (const XmlNode *kinds = node.child(QLatin1String(costs.kindList))) {
                for (const XmlNode &item : kinds->children)
                    names.append(kindNames.value(QLatin1String(costs.kindElement) + item.attribute(QStringLiteral("id"))));
            }
            names.removeAll(QString());
            const QString notes = node.value(QStringLiteral("notes"));
            const QString center = node.value(QStringLiteral("expense-center-name"));
            if (service) {
                ImportService row;
                row.origin = origin(node);
                row.date = day;
                row.odometer = odometer;
                row.description = joined({notes, center});
                for (const QString &name : names)
                    row.items.append({name, row.items.isEmpty() ? amount : 0.0});
                row.total = amount;
                batch->services.append(row);
            } else {
                ImportExpense row;
                row.origin = origin(node);
                row.date = day;
                row.odometer = odometer;
                row.name = names.isEmpty() ? tr("Expense") : names.join(QStringLiteral(", "));
                row.amount = amount;
                row.comment = joined({notes, center});
                batch->expenses.append(row);
            }
        }
    }
    return true;
}
