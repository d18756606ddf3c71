#include "heavydatabase.h"

#include "database/database.h"
#include "database/odometerlog.h"
#include "database/settings.h"
#include "database/storage.h"
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
#include "database/vehicletype.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVector>

#include <algorithm>
#include <cmath>

namespace HeavyDatabase {

Scale Scale::scaled(double factor) const
{
    const auto times = [factor](int count) { return int(std::llround(count * factor)); };
    Scale result = *this;
    result.fuelEntries = times(fuelEntries);
    result.busiestVehicleFuelEntries = times(busiestVehicleFuelEntries);
    result.odometerReadings = times(odometerReadings);
    result.services = times(services);
    result.serviceItems = times(serviceItems);
    result.expenses = times(expenses);
    result.notes = times(notes);
    result.schedules = times(schedules);
    return result;
}

namespace {

enum Kind { Reading = COdometerLog::VehicleParent, Fuel = COdometerLog::FuelParent,
            Service = COdometerLog::ServiceParent, Expense = COdometerLog::ExpenseParent,
            Note = COdometerLog::NoteParent, Start = 0 };

struct Event
{
    QDate date;
    int vehicle = 0; // index
    int sequence = 0;
    int odometer = 0;
    Kind kind = Reading;
};

struct VehiclePlan
{
    int fuelSystem = 1;
    int odometerUnit = 1;
    QString firstFuel;
    QString secondFuel;
    QDate start;
    int lastOdometer = 0;
};

// `total` split over `parts` as evenly as possible, the first parts taking
// the remainder.
int share(int total, int parts, int index)
{
    if (parts <= 0 || total <= 0)
        return 0;
    return total / parts + (index < total % parts ? 1 : 0);
}

QString money(qint64 cents)
{
    return QString::number(cents / 100.0, 'f', 2);
}

// Rows are written with one prepared INSERT per table naming every column
// of the table object, id included.
class Writer
{
public:
    explicit Writer(CTable *table) : m_table(table), m_query(table->database()->database())
    {
        QStringList marks;
        for (int i = 0; i < table->columns().size(); ++i)
            marks.append(QStringLiteral("?"));
        m_ok = m_query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(table->tableName(), table->columns().join(QStringLiteral(", ")),
                                        marks.join(QStringLiteral(", "))));
    }

    int nextId() const { return m_lastId + 1; }

    bool write(const QVariantList &valuesAfterId)
    {
        if (!m_ok)
            return false;
        m_query.addBindValue(++m_lastId);
        for (const QVariant &value : valuesAfterId)
            m_query.addBindValue(value);
        m_ok = valuesAfterId.size() + 1 == m_table->columns().size() && m_query.exec();
        ++m_rows;
        return m_ok;
    }

    QString error() const
    {
        return QStringLiteral("%1: %2").arg(m_table->tableName(), m_query.lastError().text());
    }
    int rows() const { return m_rows; }

private:
    CTable *m_table;
    QSqlQuery m_query;
    bool m_ok = false;
    int m_lastId = 0;
    int m_rows = 0;
};

class Generator
{
public:
    Generator(const Scale &scale, quint32 seed) : m_scale(scale), m_random(seed) {}

    bool run(Result *result);
    QString error() const { return m_error; }

private:
    int bounded(int low, int high) { return low + int(m_random.bounded(quint32(high - low + 1))); }
    void planVehicles();
    void planEvents();
    bool writeVehicles();
    bool writeEvents();

    Scale m_scale;
    QRandomGenerator m_random;
    QVector<VehiclePlan> m_vehicles;
    QVector<Event> m_events;
    QString m_error;
    int m_rows = 0;
};

void Generator::planVehicles()
{
    const QDate origin(2006, 1, 1);
    for (int v = 0; v < m_scale.vehicles; ++v) {
        VehiclePlan plan;
        plan.fuelSystem = (v % 4 == 0) ? 2 : 1;
        plan.odometerUnit = (v % 5 == 4) ? 2 : 1;
        plan.firstFuel = (v % 3 == 1) ? QStringLiteral("Diesel") : QStringLiteral("Gasoline");
        plan.secondFuel = plan.fuelSystem == 2 ? QStringLiteral("LPG") : QString();
        plan.start = origin.addDays(bounded(0, 60));
        m_vehicles.append(plan);
    }
}

void Generator::planEvents()
{
    const int vehicles = m_scale.vehicles;
    const int others = vehicles - 1;
    const int otherFuel = m_scale.fuelEntries - m_scale.busiestVehicleFuelEntries;
    const int linked = m_scale.fuelEntries + m_scale.services + m_scale.expenses + m_scale.notes + vehicles;
    const int byHand = std::max(0, m_scale.odometerReadings - linked);

    for (int v = 0; v < vehicles; ++v) {
        const int fuel = v == 0 ? m_scale.busiestVehicleFuelEntries : share(otherFuel, others, v - 1);
        QVector<Kind> kinds;
        kinds.insert(kinds.end(), fuel, Fuel);
        kinds.insert(kinds.end(), share(m_scale.services, vehicles, v), Service);
        kinds.insert(kinds.end(), share(m_scale.expenses, vehicles, v), Expense);
        kinds.insert(kinds.end(), share(m_scale.notes, vehicles, v), Note);
        kinds.insert(kinds.end(), share(byHand, vehicles, v), Reading);
        for (int i = kinds.size() - 1; i > 0; --i)
            std::swap(kinds[i], kinds[bounded(0, i)]);

        // About 450 distance units per refuelling; readings only go up.
        VehiclePlan &plan = m_vehicles[v];
        const int days = m_scale.years * 365;
        const int events = kinds.size();
        const int step = std::max(1, int(std::max(fuel, 1) * 450LL / std::max(events, 1)));
        int odometer = bounded(0, 40000);
        m_events.append({plan.start, v, 0, odometer, Start});
        for (int i = 0; i < events; ++i) {
            odometer += bounded(step / 2, step + step / 2);
            const QDate date = plan.start.addDays(qint64(i + 1) * days / (events + 1));
            m_events.append({date, v, i + 1, odometer, kinds.at(i)});
        }
        plan.lastOdometer = odometer;
    }
    // Records are entered as they happen: the tables interleave vehicles.
    std::stable_sort(m_events.begin(), m_events.end(), [](const Event &a, const Event &b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.vehicle != b.vehicle)
            return a.vehicle < b.vehicle;
        return a.sequence < b.sequence;
    });
}

bool Generator::writeVehicles()
{
    Writer vehicles(CTableVehicle::instance());
    static const QStringList models = {QStringLiteral("Golf"), QStringLiteral("Transit"), QStringLiteral("Octavia"),
                                       QStringLiteral("Yaris"), QStringLiteral("Sprinter")};
    for (int v = 0; v < m_vehicles.size(); ++v) {
        const VehiclePlan &plan = m_vehicles.at(v);
        const QString date = plan.start.toString(Qt::ISODate);
        if (!vehicles.write({QStringLiteral("%1 %2").arg(models.at(v % models.size())).arg(v + 1),
                             QStringLiteral("Generated vehicle %1").arg(v + 1), date, 1 + v % 10, plan.lastOdometer,
                             plan.odometerUnit, QStringLiteral("GV-%1").arg(1000 + v),
                             plan.start.addYears(m_scale.years + 1).toString(Qt::ISODate), plan.fuelSystem,
                             plan.firstFuel, plan.secondFuel, 0, 0, v, 0})) {
            m_error = vehicles.error();
            return false;
        }
    }
    m_rows += vehicles.rows();
    return true;
}

bool Generator::writeEvents()
{
    Writer readings(CTableOdometerLog::instance());
    Writer fuel(CTableFuelLog::instance());
    Writer sessions(CTableSession::instance());
    Writer items(CTableServiceItem::instance());
    Writer expenses(CTableExpense::instance());
    Writer notes(CTableNote::instance());
    Writer schedules(CTableServiceSchedule::instance());

    // Every session has an item; the others are spread at random.
    const int sessionCount = int(std::count_if(m_events.cbegin(), m_events.cend(),
                                               [](const Event &e) { return e.kind == Service; }));
    QVector<int> itemCounts(sessionCount, 1);
    for (int i = sessionCount; i < m_scale.serviceItems && sessionCount > 0; ++i)
        ++itemCounts[bounded(0, sessionCount - 1)];
    int session = 0;

    // Per vehicle and fuel: the odometer of the previous refuelling.
    QVector<QVector<int>> previousFuel(m_vehicles.size(), QVector<int>(3, -1));
    static const QStringList works = {QStringLiteral("Oil change"), QStringLiteral("Oil filter"),
                                      QStringLiteral("Brake pads"), QStringLiteral("Tyres"),
                                      QStringLiteral("Inspection"), QStringLiteral("Wiper blades")};
    bool ok = true;
    for (const Event &event : qAsConst(m_events)) {
        const VehiclePlan &plan = m_vehicles.at(event.vehicle);
        const int vehicleId = event.vehicle + 1;
        const QString date = event.date.toString(Qt::ISODate);
        const double years = event.date.year() - 2006 + event.date.dayOfYear() / 365.0;
        int parentId = 0;
        QString description;
        switch (event.kind) {
        case Start:
            description = QStringLiteral("Starting odometer value");
            break;
        case Reading:
            break;
        case Fuel: {
            const int fuelType = plan.fuelSystem == 2 && bounded(0, 9) < 3 ? 2 : 1;
            const int previous = previousFuel[event.vehicle][fuelType];
            previousFuel[event.vehicle][fuelType] = event.odometer;
            const int distance = previous < 0 ? 0 : event.odometer - previous;
            const qint64 quantityCents = distance > 0 ? qint64(distance) * bounded(500, 900) / 100
                                                      : bounded(2500, 5000);
            const qint64 priceCents = qint64((90 + 5 * years + bounded(0, 20)) * (fuelType == 2 ? 0.55 : 1.0));
            const qint64 totalCents = (priceCents * quantityCents + 50) / 100;
            const double efficiency = distance > 0 ? std::floor(quantityCents * 100.0 / distance + 0.5) / 100.0 : 0.0;
            parentId = fuel.nextId();
            ok = fuel.write({vehicleId, date, event.odometer, QString(), fuelType, money(priceCents),
                             money(quantityCents), distance, QString::number(efficiency, 'f', 2), money(totalCents),
                             bounded(0, 3), bounded(0, 3), bounded(0, 7), bounded(0, 3), 0});
            description = QStringLiteral("%1: %2 litre | $ %3")
                              .arg(fuelType == 1 ? plan.firstFuel : plan.secondFuel, money(quantityCents),
                                   money(totalCents));
            break;
        }
        case Service: {
            parentId = sessions.nextId();
            qint64 total = 0;
            for (int i = 0; ok && i < itemCounts.at(session); ++i) {
                const qint64 cost = bounded(500, 40000);
                total += cost;
                ok = items.write({parentId, works.at(bounded(0, works.size() - 1)), money(cost)});
            }
            ++session;
            ok = ok && sessions.write({vehicleId, date, event.odometer, QStringLiteral("Service"), money(total), 0});
            description = QStringLiteral("Service | $ %1").arg(money(total));
            break;
        }
        case Expense: {
            parentId = expenses.nextId();
            const double amount = bounded(100, 90000) / 100.0;
            ok = expenses.write({vehicleId, date, QVariant(amount).toString(), QStringLiteral("Parking"),
                                 QStringLiteral("Generated expense")});
            description = QStringLiteral("Parking");
            break;
        }
        case Note:
            parentId = notes.nextId();
            ok = notes.write({vehicleId, date, QStringLiteral("Note %1").arg(parentId),
                              QStringLiteral("A generated note about the car, with a line or two of text."),
                              bounded(0, 9) == 0 ? 1 : 0});
            description = QStringLiteral("Note %1").arg(parentId);
            break;
        }
        const int parentType = event.kind == Start ? int(Reading) : int(event.kind);
        ok = ok && readings.write({vehicleId, date, event.odometer, description, parentType, parentId});
        if (!ok)
            break;
    }
    for (int i = 0; ok && i < m_scale.schedules; ++i) {
        ok = schedules.write({1 + i % m_vehicles.size(), QStringLiteral("Schedule %1").arg(i + 1), QString(),
                              QString(), -1, 1, QDate(2026, 1, 1).addDays(i).toString(Qt::ISODate), -1, 0, QString(),
                              -1, 1, QStringLiteral("1m"), -1, 1});
    }
    if (!ok) {
        for (const Writer *writer : {&readings, &fuel, &sessions, &items, &expenses, &notes, &schedules})
            if (!writer->error().endsWith(QStringLiteral(": ")))
                m_error = writer->error();
        if (m_error.isEmpty())
            m_error = QStringLiteral("a row could not be written");
        return false;
    }
    for (const Writer *writer : {&readings, &fuel, &sessions, &items, &expenses, &notes, &schedules})
        m_rows += writer->rows();
    return true;
}

bool Generator::run(Result *result)
{
    planVehicles();
    planEvents();
    CDatabase *database = CDatabase::instance();
    CTransaction transaction(database);
    if (!transaction.isActive()) {
        m_error = database->errorText();
        return false;
    }
    if (!writeVehicles() || !writeEvents())
        return false;
    if (!transaction.commit()) {
        m_error = database->errorText();
        return false;
    }
    result->busiestVehicleId = 1;
    result->ordinaryVehicleId = m_vehicles.size() > 2 ? 3 : 1;
    result->rows = m_rows;
    return true;
}

} // namespace

bool generate(const QString &path, const Scale &scale, quint32 seed, Result *result)
{
    Result ignored;
    if (!result)
        result = &ignored;
    *result = Result();
    if (scale.vehicles < 1 || scale.busiestVehicleFuelEntries > scale.fuelEntries) {
        result->error = QStringLiteral("the scale needs a vehicle and fewer fuel entries on one vehicle than in all");
        return false;
    }
    if (QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection))) {
        result->error = QStringLiteral("a database connection is open already");
        return false;
    }
    if (QFile::exists(path) && !QFile::remove(path)) {
        result->error = QStringLiteral("%1 cannot be replaced").arg(path);
        return false;
    }

    auto *database = new CDatabase(path);
    auto *settings = new CSettings(database);
    bool ok = database->isOpen();
    if (ok) {
        settings->setValue(QStringLiteral("currency"), QStringLiteral("USD"));
        settings->setValue(QStringLiteral("volume_unit"), 1);
        settings->setValue(QStringLiteral("fuel_efficiency"), 1);
        settings->setValue(QStringLiteral("InitialApplicationSetupDone"), 1);
        ok = Storage::createVehicleTypeTable() && seedVehicleTypes() && Storage::createVehicleTables();
        if (!ok)
            result->error = database->errorText();
    } else {
        result->error = database->errorText();
    }
    if (ok) {
        Generator generator(scale, seed);
        ok = generator.run(result);
        if (!ok)
            result->error = generator.error();
    }
    Storage::deleteVehicleTables();
    Storage::deleteVehicleTypeTable();
    delete settings;
    delete database;
    return ok;
}

} // namespace HeavyDatabase
