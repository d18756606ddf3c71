#include "import/importer.h"

#include "database/database.h"
#include "database/expense.h"
#include "database/fuellog.h"
#include "database/note.h"
#include "database/odometerlog.h"
#include "database/recordsave.h"
#include "database/serviceschedule.h"
#include "database/session.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableodometerlog.h"
#include "database/tableserviceitem.h"
#include "database/tableserviceschedule.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "database/tablevehicletype.h"
#include "database/transaction.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"
#include "database/repeatperiod.h"
#include "modules/vehicle/wizard/fuelsystem.h"
#include "modules/vehicle/wizard/newvehicle.h"
#include "utility/clock.h"
#include "utility/utility.h"

#include <QHash>
#include <QLocale>
#include <QSet>
#include <QSignalBlocker>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

qint64 cents(double value)
{
    return qRound64(value * 100.0);
}

QString isoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QString decimal(double value, int decimals = 2)
{
    return QString::number(value, 'f', decimals);
}

// What identifies a record when the same file is imported again.
QString fuelKey(const QDate &date, int odometer, double total)
{
    return isoDate(date) + QLatin1Char('|') + QString::number(odometer) + QLatin1Char('|') + QString::number(cents(total));
}
QString expenseKey(const QDate &date, double amount, const QString &name)
{
    return isoDate(date) + QLatin1Char('|') + QString::number(Utility::roundTo(amount, 8), 'g', 17) + QLatin1Char('|') + name;
}
QString noteKey(const QDate &date, const QString &title)
{
    return isoDate(date) + QLatin1Char('|') + title;
}
QString readingKey(const QDate &date, int reading)
{
    return isoDate(date) + QLatin1Char('|') + QString::number(reading);
}

// Keys of the stored records, counted: each stored record matches one row.
class StoredKeys
{
public:
    void add(const QString &key) { ++m_counts[key]; }
    // Whether a stored record is left for `key`, which it then uses up.
    bool take(const QString &key)
    {
        auto it = m_counts.find(key);
        if (it == m_counts.end() || *it == 0)
            return false;
        --*it;
        return true;
    }

private:
    QHash<QString, int> m_counts;
};

// Runs `sql` with `bindings` and hands every row to `row`.
bool eachRow(const QString &sql, const QVariantList &bindings, const std::function<void(const QSqlQuery &)> &row)
{
    CDatabase *database = CDatabase::instance();
    QSqlQuery query;
    if (!database || !database->exec(query, sql, bindings))
        return false;
    while (query.next())
        row(query);
    return true;
}

} // namespace

// The batch turned into the records to write: converted, with efficiency,
// and with what is already stored set aside.
struct CImporter::Plan
{
    struct Fuel
    {
        ImportFuel source;
        CFuelLog entry;
        bool present = false;
    };
    struct Service
    {
        ImportService source;
        int odometer = -1; // -1: estimated
        QVector<ImportServiceItem> items;
        double total = 0.0;
        bool present = false;
    };
    struct Expense
    {
        ImportExpense source;
        int odometer = -1;
        bool present = false;
    };
    struct Note
    {
        ImportNote source;
        bool present = false;
    };
    struct Reading
    {
        ImportOdometer source;
        int reading = 0;
        bool present = false;
    };
    struct Schedule
    {
        ImportSchedule source;
        bool present = false;
    };

    bool ok = true;
    QString error;
    CVehicle vehicle;
    bool newVehicle = false;
    double quantityFactor = 1.0; // file volume unit -> target volume unit
    QVector<Fuel> fuel;
    QVector<Service> services;
    QVector<Expense> expenses;
    QVector<Note> notes;
    QVector<Reading> readings;
    QVector<Schedule> schedules;
    // Readings of our own export that belong to a record: (parent type,
    // source id) -> reading.
    QHash<QPair<int, int>, ImportOdometer> parentReadings;
    QVector<ImportProblem> problems;

    int toWrite() const
    {
        int count = 0;
        for (const Fuel &row : fuel)
            count += row.present ? 0 : 1;
        for (const Service &row : services)
            count += row.present ? 0 : 1;
        for (const Expense &row : expenses)
            count += row.present ? 0 : 1;
        for (const Note &row : notes)
            count += row.present ? 0 : 1;
        for (const Reading &row : readings)
            count += row.present ? 0 : 1;
        for (const Schedule &row : schedules)
            count += row.present ? 0 : 1;
        return count;
    }
};

int ImportPreview::totalToImport() const
{
    int total = 0;
    for (const ImportKindPreview &kind : kinds)
        total += kind.toImport;
    return total;
}

CImporter::CImporter(const ImportBatch &batch, const ImportTarget &target, const ImportSettings &settings)
    : m_batch(batch), m_target(target), m_settings(settings)
{
}

CImporter::Plan CImporter::plan() const
{
    Plan plan;
    plan.problems = m_batch.problems;
    const ImportVehicle &data = m_batch.vehicle;
    auto chosen = [](auto setting, auto fallback) { return setting == decltype(setting)::Detect ? fallback : setting; };
    const DistanceUnit distance = chosen(m_settings.distanceUnit, chosen(m_batch.settings.distanceUnit, DistanceUnit::Kilometres));
    const VolumeUnitKind volume = chosen(m_settings.volumeUnit, chosen(m_batch.settings.volumeUnit, VolumeUnitKind::Litres));
    const VolumeUnitKind target = chosen(m_settings.targetVolume, ImportUnits::defaultTargetVolume());
    plan.quantityFactor = ImportUnits::litresPer(volume) / ImportUnits::litresPer(target);

    // The vehicle: the one chosen, or a new one from the file's data.
    if (m_target.vehicleId != 0) {
        plan.vehicle = CVehicle(m_target.vehicleId);
        if (plan.vehicle.id() == 0) {
            plan.ok = false;
            plan.error = tr("The vehicle to import into no longer exists.");
            return plan;
        }
    } else {
        plan.newVehicle = true;
        CVehicle &vehicle = plan.vehicle;
        vehicle.setAutoSave(false);
        const QString name = m_target.newVehicleName.trimmed();
        vehicle.setName(!name.isEmpty()                ? name
                        : data.stored                  ? data.name
                        : !data.name.trimmed().isEmpty() ? data.name.trimmed()
                                                       : tr("Imported vehicle"));
        vehicle.setDescription(data.description);
        vehicle.setLicensePlate(data.licensePlate);
        if (data.stored) {
            vehicle.setDate(data.date);
            vehicle.setOdometerType(data.odometerType);
            vehicle.setOdometerValue(data.odometerValue);
            vehicle.setRegistrationExpirationDate(data.registrationExpirationDate);
            vehicle.setFuelSystemType(data.fuelSystem);
            vehicle.setFuelNameFirst(data.fuelNameFirst);
            vehicle.setFuelNameSecond(data.fuelNameSecond);
            vehicle.setLocationId(data.locationId);
            vehicle.setStatus(data.status);
            vehicle.setOrder(data.order);
            vehicle.setFavorite(data.favorite);
        } else {
            const QDate today = Utility::Clock::today();
            vehicle.setDate(today);
            vehicle.setRegistrationExpirationDate(today);
            vehicle.setOdometerType(distance == DistanceUnit::Miles ? 2 : 1);
            const bool secondFuel = std::any_of(m_batch.fuel.cbegin(), m_batch.fuel.cend(),
                                                [](const ImportFuel &row) { return row.fuel == 2; });
            const QStringList names = CFuelSystem::fuelNames();
            vehicle.setFuelSystemType(secondFuel || data.fuelSystem == 2 ? 2 : 1);
            vehicle.setFuelNameFirst(!data.fuelNameFirst.isEmpty() ? data.fuelNameFirst : names.value(0));
            vehicle.setFuelNameSecond(!data.fuelNameSecond.isEmpty() ? data.fuelNameSecond
                                      : vehicle.fuelSystemType() == 2 ? names.value(1) : QString());
            vehicle.setOrder(std::numeric_limits<int>::max());
        }
    }
    const int odometerType = plan.vehicle.odometerType();
    const int vehicleId = plan.vehicle.id();

    // Readings of a file, in the vehicle's unit; a problem when they do not fit.
    auto convertReading = [&](double value, ImportKind kind, const ImportOrigin &origin, int *result) {
        if (value < 0) {
            *result = -1;
            return true;
        }
        const double converted = std::round(ImportUnits::convertDistance(value, distance, odometerType));
        if (converted > std::numeric_limits<int>::max()) {
            plan.problems.append({kind, origin, tr("the odometer reading %1 is too large").arg(decimal(value, 0))});
            return false;
        }
        *result = int(converted);
        return true;
    };

    // What the vehicle has already.
    StoredKeys fuelKeys, serviceKeys, undatedServiceKeys, expenseKeys, noteKeys, readingKeys, scheduleKeys;
    QVector<QPair<int, int>> storedFuel; // fuel type, odometer
    if (vehicleId != 0) {
        const QVariantList id{vehicleId};
        eachRow(QStringLiteral("SELECT fuellog_date, fuellog_odometer, fuellog_total_cost, fuellog_fuel_type FROM fuellog "
                               "WHERE fuellog_vehicle_id=?"),
                id, [&](const QSqlQuery &q) {
                    fuelKeys.add(fuelKey(q.value(0).toDate(), q.value(1).toInt(), q.value(2).toDouble()));
                    storedFuel.append({q.value(3).toInt(), q.value(1).toInt()});
                });
        eachRow(QStringLiteral("SELECT service_session_date, service_session_odometer, service_session_total_cost "
                               "FROM service_session WHERE service_session_vehicle_id=?"),
                id, [&](const QSqlQuery &q) {
                    serviceKeys.add(fuelKey(q.value(0).toDate(), q.value(1).toInt(), q.value(2).toDouble()));
                    // A service read without a reading got an estimated one.
                    undatedServiceKeys.add(fuelKey(q.value(0).toDate(), -1, q.value(2).toDouble()));
                });
        eachRow(QStringLiteral("SELECT expense_date, expense_amount, expense_name FROM expense WHERE expense_vehicle_id=?"), id,
                [&](const QSqlQuery &q) { expenseKeys.add(expenseKey(q.value(0).toDate(), q.value(1).toDouble(), q.value(2).toString())); });
        eachRow(QStringLiteral("SELECT note_date, note_title FROM note WHERE note_vehicle_id=?"), id,
                [&](const QSqlQuery &q) { noteKeys.add(noteKey(q.value(0).toDate(), q.value(1).toString())); });
        eachRow(QStringLiteral("SELECT odometerlog_date, odometerlog_odometer FROM odometerlog WHERE odometerlog_vehicle_id=?"), id,
                [&](const QSqlQuery &q) { readingKeys.add(readingKey(q.value(0).toDate(), q.value(1).toInt())); });
        eachRow(QStringLiteral("SELECT service_schedule_name FROM service_schedule WHERE service_schedule_vehicle_id=?"), id,
                [&](const QSqlQuery &q) { scheduleKeys.add(q.value(0).toString()); });
    }

    // Fuel: converted, then distance and efficiency along the odometer, per
    // fuel, among the stored entries too.
    for (const ImportFuel &row : m_batch.fuel) {
        int odometer = 0;
        if (!convertReading(row.odometer, ImportKind::Fuel, row.origin, &odometer))
            continue;
        Plan::Fuel fuel;
        fuel.source = row;
        CFuelLog &entry = fuel.entry;
        entry.setAutoSave(false);
        entry.setDate(row.date);
        entry.setOdometer(qMax(odometer, 0));
        entry.setDescription(row.note);
        entry.setFuelType(row.fuel == 2 ? 2 : 1);
        entry.setQuantity(Utility::roundTo(row.quantity * plan.quantityFactor, 2));
        entry.setCostPerUnit(Utility::roundTo(row.costPerUnit / plan.quantityFactor, 2));
        entry.setTotalCost(Utility::roundTo(row.totalCost, 2));
        if (row.stored) {
            entry.setFuelType(row.fuel);
            entry.setDistance(row.distance);
            entry.setEfficiency(row.efficiency);
            entry.setTires(row.tires);
            entry.setDrivingStyle(row.drivingStyle);
            entry.setRoutes(row.routes);
            entry.setExtras(row.extras);
            entry.setDriverId(row.driverId);
        }
        fuel.present = fuelKeys.take(fuelKey(entry.date(), entry.odometer(), entry.totalCost()));
        plan.fuel.append(fuel);
    }
    for (int fuelType = 1; fuelType <= 2; ++fuelType) {
        // Stored entries count as full fill-ups.
        struct Point
        {
            int odometer;
            Plan::Fuel *row; // null: stored
        };
        QVector<Point> points;
        for (const auto &stored : storedFuel) {
            if (stored.first == fuelType)
                points.append({stored.second, nullptr});
        }
        for (Plan::Fuel &row : plan.fuel) {
            if (!row.present && !row.source.stored && row.entry.fuelType() == fuelType)
                points.append({row.entry.odometer(), &row});
        }
        std::stable_sort(points.begin(), points.end(), [](const Point &a, const Point &b) {
            if (a.odometer != b.odometer)
                return a.odometer < b.odometer;
            return a.row && b.row && a.row->entry.date() < b.row->entry.date();
        });
        bool measurable = false; // a full tank lies behind
        int distanceSince = 0;
        double quantitySince = 0.0;
        for (int i = 0; i < points.size(); ++i) {
            Plan::Fuel *row = points.at(i).row;
            if (!row) {
                measurable = true;
                distanceSince = 0;
                quantitySince = 0.0;
                continue;
            }
            CFuelLog &entry = row->entry;
            const int distance = i == 0 ? 0 : qMax(0, entry.odometer() - points.at(i - 1).odometer);
            entry.setDistance(distance);
            entry.setEfficiency(0.0);
            if (i == 0 || row->source.missed) {
                // The fuel before this one is unknown.
                measurable = !row->source.partial;
                distanceSince = 0;
                quantitySince = 0.0;
                continue;
            }
            distanceSince += distance;
            quantitySince += entry.quantity();
            if (row->source.partial)
                continue;
            if (measurable)
                entry.setEfficiency(plan.vehicle.fuelEfficiencyFor(distanceSince, quantitySince).efficiencyValue());
            measurable = true;
            distanceSince = 0;
            quantitySince = 0.0;
        }
    }

    QSet<QString> recordReadings; // date and reading of every imported record
    for (const Plan::Fuel &row : plan.fuel)
        recordReadings.insert(readingKey(row.entry.date(), row.entry.odometer()));

    for (const ImportService &row : m_batch.services) {
        Plan::Service service;
        service.source = row;
        if (!convertReading(row.odometer, ImportKind::Service, row.origin, &service.odometer))
            continue;
        service.items = row.items;
        if (service.items.isEmpty() && !m_batch.vehicle.stored) {
            const QString firstLine = row.description.section(QLatin1Char('\n'), 0, 0).trimmed();
            service.items.append({firstLine.isEmpty() ? tr("Service") : firstLine, row.total});
        }
        qint64 total = 0;
        for (const ImportServiceItem &item : service.items)
            total += cents(item.cost);
        service.total = m_batch.vehicle.stored ? row.total : total / 100.0;
        if (service.odometer >= 0)
            recordReadings.insert(readingKey(row.date, service.odometer));
        service.present = service.odometer >= 0 ? serviceKeys.take(fuelKey(row.date, service.odometer, service.total))
                                                : undatedServiceKeys.take(fuelKey(row.date, -1, service.total));
        plan.services.append(service);
    }
    for (const ImportExpense &row : m_batch.expenses) {
        Plan::Expense expense;
        expense.source = row;
        if (!convertReading(row.odometer, ImportKind::Expense, row.origin, &expense.odometer))
            continue;
        if (expense.odometer >= 0)
            recordReadings.insert(readingKey(row.date, expense.odometer));
        expense.present = expenseKeys.take(expenseKey(row.date, row.amount, row.name));
        plan.expenses.append(expense);
    }
    for (const ImportNote &row : m_batch.notes)
        plan.notes.append({row, noteKeys.take(noteKey(row.date, row.title))});
    for (const ImportOdometer &row : m_batch.odometer) {
        // Our own export links readings to their records.
        if (m_batch.vehicle.stored && row.parentType >= COdometerLog::FuelParent && row.parentType <= COdometerLog::NoteParent) {
            plan.parentReadings.insert({row.parentType, row.parentSourceId}, row);
            continue;
        }
        Plan::Reading reading;
        reading.source = row;
        if (!convertReading(row.reading, ImportKind::Odometer, row.origin, &reading.reading))
            continue;
        const QString key = readingKey(row.date, reading.reading);
        // A reading the other application derived from a record imported
        // here would be written twice.
        reading.present = (!m_batch.vehicle.stored && recordReadings.contains(key)) || readingKeys.take(key);
        plan.readings.append(reading);
    }
    for (const ImportSchedule &row : m_batch.schedules)
        plan.schedules.append({row, scheduleKeys.take(row.name)});
    return plan;
}

ImportPreview CImporter::preview() const
{
    ImportPreview preview;
    const Plan plan = this->plan();
    preview.problems = plan.problems;
    std::stable_sort(preview.problems.begin(), preview.problems.end(), [](const ImportProblem &a, const ImportProblem &b) {
        return a.origin.file != b.origin.file ? a.origin.file < b.origin.file : a.origin.line < b.origin.line;
    });
    for (const ImportProblem &problem : preview.problems)
        ++preview.kinds[int(problem.kind)].unreadable;
    if (!plan.ok) {
        preview.problems.prepend({ImportKind::Fuel, {}, plan.error});
        return preview;
    }

    const QString unit = plan.vehicle.odometerUnitText();
    const VolumeUnitKind target =
        m_settings.targetVolume == VolumeUnitKind::Detect ? ImportUnits::defaultTargetVolume() : m_settings.targetVolume;
    auto add = [&preview](ImportKind kind, bool present, const QStringList &cells) {
        ImportKindPreview &entry = preview.kinds[int(kind)];
        if (present)
            ++entry.alreadyPresent;
        else
            ++entry.toImport;
        if (entry.rows.size() < PreviewRows) {
            entry.rows.append(cells);
            entry.present.append(present);
        }
    };
    auto reading = [](int odometer) { return odometer < 0 ? QString() : QString::number(odometer); };

    preview.kinds[int(ImportKind::Fuel)].headers = QStringList{tr("Date"), tr("Odometer (%1)").arg(unit),
                                                    tr("Quantity (%1)").arg(ImportUnits::volumeUnitName(target)),
                                                    tr("Price"), tr("Total"), tr("Fill-up"), tr("Distance"),
                                                    tr("Efficiency"), tr("Note")};
    for (const Plan::Fuel &row : plan.fuel) {
        const CFuelLog &e = row.entry;
        const QString fill = row.source.missed ? tr("After missed") : row.source.partial ? tr("Partial") : tr("Full");
        add(ImportKind::Fuel, row.present,
            {isoDate(e.date()), QString::number(e.odometer()), decimal(e.quantity()), decimal(e.costPerUnit()),
             decimal(e.totalCost()), fill, QString::number(e.distance()), decimal(e.efficiency()), e.description()});
    }
    preview.kinds[int(ImportKind::Service)].headers = QStringList{tr("Date"), tr("Odometer (%1)").arg(unit), tr("Items"),
                                                       tr("Total"), tr("Description")};
    for (const Plan::Service &row : plan.services) {
        QStringList items;
        for (const ImportServiceItem &item : row.items)
            items.append(QStringLiteral("%1 (%2)").arg(item.description, decimal(item.cost)));
        add(ImportKind::Service, row.present,
            {isoDate(row.source.date), reading(row.odometer), items.join(QStringLiteral("; ")), decimal(row.total),
             row.source.description});
    }
    preview.kinds[int(ImportKind::Expense)].headers = QStringList{tr("Date"), tr("Odometer (%1)").arg(unit), tr("Name"),
                                                       tr("Amount"), tr("Comment")};
    for (const Plan::Expense &row : plan.expenses)
        add(ImportKind::Expense, row.present,
            QStringList{isoDate(row.source.date), reading(row.odometer), row.source.name,
             QString::number(Utility::roundTo(row.source.amount, 8), 'g', QLocale::FloatingPointShortest), row.source.comment});
    preview.kinds[int(ImportKind::Note)].headers = QStringList{tr("Date"), tr("Title"), tr("Text")};
    for (const Plan::Note &row : plan.notes)
        add(ImportKind::Note, row.present, {isoDate(row.source.date), row.source.title, row.source.text});
    preview.kinds[int(ImportKind::Odometer)].headers = QStringList{tr("Date"), tr("Reading (%1)").arg(unit), tr("Description")};
    for (const Plan::Reading &row : plan.readings)
        add(ImportKind::Odometer, row.present,
            {isoDate(row.source.date), QString::number(row.reading), row.source.description});
    preview.kinds[int(ImportKind::Schedule)].headers = QStringList{tr("Name"), tr("Description")};
    for (const Plan::Schedule &row : plan.schedules)
        add(ImportKind::Schedule, row.present, {row.source.name, row.source.description});
    return preview;
}

bool CImporter::run(const std::function<bool(int, int)> &progress, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    Plan plan = this->plan();
    if (!plan.ok)
        return fail(plan.error);

    CTable *tables[] = {CTableVehicle::instance(),     CTableVehicleType::instance(), CTableFuelLog::instance(),
                        CTableSession::instance(),     CTableServiceItem::instance(), CTableExpense::instance(),
                        CTableNote::instance(),        CTableOdometerLog::instance(), CTableServiceSchedule::instance()};
    for (CTable *table : tables) {
        if (!table)
            return fail(tr("The database is not available."));
    }
    const QString saveFailed = tr("%2, line %3: %1");
    QVector<int> imported(ImportKindCount, 0);
    QHash<CTable *, int> lastIds;
    int vehicleId = 0;
    {
        // Pages learn of the import once, after the commit.
        std::vector<std::unique_ptr<QSignalBlocker>> blockers;
        for (CTable *table : tables)
            blockers.push_back(std::make_unique<QSignalBlocker>(table));

        CTransaction transaction;
        if (!transaction.isActive())
            return fail(tr("The database could not begin a transaction."));

        const int total = plan.toWrite();
        int done = 0;
        auto step = [&]() {
            ++done;
            return !progress || done % 50 != 0 || progress(done, total);
        };
        const QString cancelled = tr("The import was cancelled; nothing was imported.");
        if (progress && !progress(0, total))
            return fail(cancelled);

        CVehicle &vehicle = plan.vehicle;
        if (plan.newVehicle) {
            const ImportVehicle &data = m_batch.vehicle;
            int typeId = 0;
            QDate startDate;
            CTableVehicleType *types = CTableVehicleType::instance();
            if (!data.typeName.isEmpty()) {
                typeId = types->findId(CTableVehicleType::Name, data.typeName);
                if (typeId == 0) {
                    CVehicleType type;
                    type.setAutoSave(false);
                    type.setName(data.typeName);
                    typeId = type.save(true);
                    if (typeId == 0)
                        return fail(tr("The vehicle type could not be saved."));
                }
            } else {
                typeId = types->firstId();
            }
            vehicle.setTypeId(typeId);
            if (!data.stored) {
                // The lowest reading of the file starts the vehicle.
                int start = std::numeric_limits<int>::max();
                QDate first;
                auto consider = [&start, &first](const QDate &date, int odometer) {
                    if (odometer >= 0)
                        start = qMin(start, odometer);
                    if (!first.isValid() || date < first)
                        first = date;
                };
                for (const Plan::Fuel &row : plan.fuel)
                    consider(row.entry.date(), row.entry.odometer());
                for (const Plan::Reading &row : plan.readings)
                    consider(row.source.date, row.reading);
                for (const Plan::Service &row : plan.services)
                    consider(row.source.date, row.odometer);
                for (const Plan::Expense &row : plan.expenses)
                    consider(row.source.date, row.odometer);
                vehicle.setOdometerValue(start == std::numeric_limits<int>::max() ? 0 : start);
                startDate = first.isValid() ? first : Utility::Clock::today();
            }
            vehicleId = vehicle.save(true);
            if (vehicleId == 0)
                return fail(tr("The vehicle could not be saved."));
            if (!data.stored) {
                COdometerLog reading;
                reading.setAutoSave(false);
                reading.setParentType(COdometerLog::VehicleParent);
                reading.setVehicleId(vehicleId);
                reading.setDate(startDate);
                reading.setOdometer(vehicle.odometerValue());
                reading.setDescription(CNewVehicle::startingReadingDescription());
                if (reading.save(true) == 0)
                    return fail(tr("The vehicle could not be saved."));
            }
        } else {
            vehicleId = vehicle.id();
        }

        // The reading our own export stored for a record, else the given one.
        auto parentReading = [&](int parentType, int sourceId, const QDate &date, int odometer,
                                 const QString &description) -> ParentReading {
            const auto stored = plan.parentReadings.constFind({parentType, sourceId});
            if (stored != plan.parentReadings.constEnd())
                return {parentType, vehicleId, stored->date, int(stored->reading), stored->description};
            if (odometer < 0)
                return RecordSave::estimatedReading(parentType, vehicleId, date, description);
            return {parentType, vehicleId, date, odometer, description};
        };
        QString reason;

        // Own readings first: the estimates of expenses and notes use them.
        for (const Plan::Reading &row : plan.readings) {
            if (row.present)
                continue;
            COdometerLog reading;
            reading.setAutoSave(false);
            reading.setParentType(row.source.parentType == COdometerLog::NoParent ? COdometerLog::NoParent
                                                                                  : COdometerLog::VehicleParent);
            reading.setVehicleId(vehicleId);
            reading.setDate(row.source.date);
            reading.setOdometer(row.reading);
            reading.setDescription(row.source.description);
            const int id = reading.save(true);
            if (id == 0)
                return fail(saveFailed.arg(tr("The odometer reading could not be saved."), row.source.origin.file)
                                .arg(row.source.origin.line));
            lastIds[CTableOdometerLog::instance()] = id;
            ++imported[int(ImportKind::Odometer)];
            if (!step())
                return fail(cancelled);
        }
        for (Plan::Fuel &row : plan.fuel) {
            if (row.present)
                continue;
            row.entry.setVehicleId(vehicleId);
            const int id = RecordSave::save(row.entry,
                                            parentReading(COdometerLog::FuelParent, row.source.sourceId, row.entry.date(),
                                                          row.entry.odometer(), row.entry.readingDescription(vehicle)),
                                            &reason);
            if (id == 0)
                return fail(saveFailed.arg(reason, row.source.origin.file).arg(row.source.origin.line));
            lastIds[CTableFuelLog::instance()] = id;
            ++imported[int(ImportKind::Fuel)];
            if (!step())
                return fail(cancelled);
        }
        for (const Plan::Service &row : plan.services) {
            if (row.present)
                continue;
            CSession session;
            session.setAutoSave(false);
            session.setVehicleId(vehicleId);
            session.setDate(row.source.date);
            session.setDescription(row.source.description);
            session.setTotalCost(row.total);
            session.setVendorId(row.source.vendorId);
            const ParentReading reading = parentReading(
                COdometerLog::ServiceParent, row.source.sourceId, row.source.date, row.odometer,
                CSession::readingDescription(row.source.description, row.items.value(0).description, row.total));
            session.setOdometer(row.odometer >= 0 ? row.odometer : reading.odometer);
            auto writeItems = [&row, &lastIds](int sessionId) {
                for (const ImportServiceItem &source : row.items) {
                    CServiceItem item;
                    item.setAutoSave(false);
                    item.setServiceLogId(sessionId);
                    item.setDescription(source.description);
                    item.setCost(source.cost);
                    const int id = item.save(true);
                    if (id == 0)
                        return false;
                    lastIds[CTableServiceItem::instance()] = id;
                }
                return true;
            };
            const int id = RecordSave::save(session, reading, &reason, writeItems);
            if (id == 0)
                return fail(saveFailed.arg(reason, row.source.origin.file).arg(row.source.origin.line));
            lastIds[CTableSession::instance()] = id;
            ++imported[int(ImportKind::Service)];
            if (!step())
                return fail(cancelled);
        }
        for (const Plan::Expense &row : plan.expenses) {
            if (row.present)
                continue;
            CExpense expense;
            expense.setAutoSave(false);
            expense.setVehicleId(vehicleId);
            expense.setDate(row.source.date);
            expense.setName(row.source.name);
            expense.setAmount(Utility::roundTo(row.source.amount, 8));
            expense.setComment(row.source.comment);
            const int id = RecordSave::save(expense,
                                            parentReading(COdometerLog::ExpenseParent, row.source.sourceId, row.source.date,
                                                          row.odometer, expense.readingDescription()),
                                            &reason);
            if (id == 0)
                return fail(saveFailed.arg(reason, row.source.origin.file).arg(row.source.origin.line));
            lastIds[CTableExpense::instance()] = id;
            ++imported[int(ImportKind::Expense)];
            if (!step())
                return fail(cancelled);
        }
        for (const Plan::Note &row : plan.notes) {
            if (row.present)
                continue;
            CNote note;
            note.setAutoSave(false);
            note.setVehicleId(vehicleId);
            note.setDate(row.source.date);
            note.setTitle(row.source.title);
            note.setDescription(row.source.text);
            note.setStared(row.source.starred);
            const int id = RecordSave::save(
                note, parentReading(COdometerLog::NoteParent, row.source.sourceId, row.source.date, -1, note.title()),
                &reason);
            if (id == 0)
                return fail(saveFailed.arg(reason, row.source.origin.file).arg(row.source.origin.line));
            lastIds[CTableNote::instance()] = id;
            ++imported[int(ImportKind::Note)];
            if (!step())
                return fail(cancelled);
        }
        for (const Plan::Schedule &row : plan.schedules) {
            if (row.present)
                continue;
            const ImportSchedule &s = row.source;
            CServiceSchedule schedule;
            schedule.setAutoSave(false);
            schedule.setVehicleId(vehicleId);
            schedule.setName(s.name);
            schedule.setDescription(s.description);
            schedule.setLastCheckDate(s.lastCheckDate);
            schedule.setLastCheckOdometer(s.lastCheckOdometer);
            schedule.setDueType(s.dueType);
            schedule.setDueDate(s.dueDate);
            schedule.setDueOdometer(s.dueOdometer);
            schedule.setReminderType(s.reminderType);
            schedule.setReminderDate(s.reminderDate);
            schedule.setReminderOdometer(s.reminderOdometer);
            schedule.setRepeatType(s.repeatType);
            schedule.setRepeatPeriod(CRepeatPeriod::fromString(s.repeatPeriod));
            schedule.setRepeatOdometer(s.repeatOdometer);
            schedule.setStatus(s.status);
            const int id = schedule.save(true);
            if (id == 0)
                return fail(saveFailed.arg(tr("The service schedule could not be saved."), s.origin.file).arg(s.origin.line));
            lastIds[CTableServiceSchedule::instance()] = id;
            ++imported[int(ImportKind::Schedule)];
            if (!step())
                return fail(cancelled);
        }
        if (progress && !progress(total, total))
            return fail(cancelled);
        if (!transaction.commit())
            return fail(tr("The database could not store the records."));
    }

    m_vehicleId = vehicleId;
    m_imported = imported;
    // One notification per table that received rows.
    if (plan.newVehicle)
        emit CTableVehicle::instance()->inserted(vehicleId);
    else
        emit CTableVehicle::instance()->updated(vehicleId);
    for (auto it = lastIds.cbegin(); it != lastIds.cend(); ++it)
        emit it.key()->inserted(it.value());
    return true;
}

int CImporter::vehicleId() const
{
    return m_vehicleId;
}

QVector<int> CImporter::importedCounts() const
{
    return m_imported;
}
