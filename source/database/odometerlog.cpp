#include "database/odometerlog.h"

#include "database/database.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableodometerlog.h"
#include "database/tablesession.h"
#include "database/transaction.h"
#include "database/vehicle.h"

#include <QSqlQuery>

#include <limits>

namespace {

struct Reading
{
    QDate date;
    qint64 odometer = 0;
    bool found = false;
};

// The first dated reading of the vehicle on the given side of `day`; among
// readings of one date the highest counts as the later one.
Reading nearestReading(CTable *table, const QString &day, int vehicleId, bool after)
{
    Reading reading;
    if (!table || !table->database())
        return reading;
    const QString date = table->column(CTableOdometerLog::Date);
    const QString odometer = table->column(CTableOdometerLog::Odometer);
    const QString order = after ? QStringLiteral("ASC") : QStringLiteral("DESC");
    const QString sql = QStringLiteral("SELECT %1, %2 FROM %3 WHERE %1 %4 ? AND %1 <> '' AND %5 = ? "
                                       "ORDER BY %1 %6, %2 %6, %7 %6 LIMIT 1")
                            .arg(date, odometer, table->tableName(),
                                 after ? QStringLiteral(">=") : QStringLiteral("<="),
                                 table->column(CTableOdometerLog::VehicleId), order,
                                 table->column(CTableOdometerLog::Id));
    QSqlQuery query;
    if (!table->database()->exec(query, sql, {day, vehicleId}) || !query.next())
        return reading;
    reading.date = QDate::fromString(query.value(0).toString(), Qt::ISODate);
    reading.odometer = query.value(1).toLongLong();
    // A damaged reading beyond the 32-bit range gives no estimate.
    reading.found = reading.date.isValid() && reading.odometer >= 0
                    && reading.odometer <= std::numeric_limits<int>::max();
    return reading;
}

} // namespace

COdometerLog::COdometerLog(int id)
{
    load(id);
}

int COdometerLog::save(bool force)
{
    if (odometer() < 0 || !table())
        return 0;
    CTransaction transaction(table()->database());
    if (!transaction.isActive())
        return 0;
    if (id() != 0 && !table()->exists(id()))
        return 0;

    // Saved through a copy, so a rolled-back insert leaves this record new.
    COdometerLog saved(*this);
    if (saved.CBaseOdometerLog::save(force) == 0)
        return 0;

    CVehicle vehicle(vehicleId());
    if (vehicle.id() != 0) {
        vehicle.setAutoSave(false);
        if (odometer() > vehicle.odometerValue())
            vehicle.setOdometerValue(odometer());
        if (vehicle.save(false) == 0)
            return 0;
    }
    if (!transaction.commit())
        return 0;
    saved.setModified(false);
    *this = saved;
    return id();
}

COdometerLog COdometerLog::byParent(int parentType, int parentId)
{
    COdometerLog reading;
    CTableOdometerLog *table = CTableOdometerLog::instance();
    const int id = table ? table->findId(QStringLiteral(" (%1=?) AND (%2=?)")
                                             .arg(table->column(CTableOdometerLog::ParentType),
                                                  table->column(CTableOdometerLog::ParentId)),
                                         {parentType, parentId})
                         : 0;
    if (id != 0) {
        reading.load(id);
    } else {
        reading.setParentType(parentType);
        reading.setParentId(parentId);
    }
    return reading;
}

int COdometerLog::saveForParent(int parentType, int parentId, int vehicleId, const QDate &date,
                                int odometer, const QString &description)
{
    if (parentId == 0 || parentType <= VehicleParent || parentType > NoteParent)
        return 0;
    COdometerLog reading = byParent(parentType, parentId);
    reading.setAutoSave(false);
    reading.setVehicleId(vehicleId);
    reading.setDate(date);
    reading.setOdometer(odometer);
    reading.setDescription(description);
    return reading.save(false);
}

namespace {

// The table whose rows own readings of `parentType`; nullptr for any other kind.
CTable *parentTable(int parentType)
{
    switch (parentType) {
    case COdometerLog::FuelParent:
        return CTableFuelLog::instance();
    case COdometerLog::ServiceParent:
        return CTableSession::instance();
    case COdometerLog::ExpenseParent:
        return CTableExpense::instance();
    case COdometerLog::NoteParent:
        return CTableNote::instance();
    default:
        return nullptr;
    }
}

} // namespace

bool COdometerLog::removeRecord(CTable *table, int id)
{
    if (!table || id == 0)
        return false;
    for (int kind = FuelParent; kind <= NoteParent; ++kind) {
        if (parentTable(kind) == table)
            return removeParent(kind, id);
    }
    CTransaction transaction(table->database());
    return transaction.isActive() && table->remove(id) && transaction.commit();
}

bool COdometerLog::removeParent(int parentType, int parentId)
{
    CTable *parents = parentTable(parentType);
    CTableOdometerLog *readings = CTableOdometerLog::instance();
    if (!parents || !readings || parentId == 0)
        return false;
    CTransaction transaction(readings->database());
    if (!transaction.isActive() || readings->detachParent(parentType, parentId) < 0 || !parents->remove(parentId))
        return false;
    return transaction.commit();
}

int COdometerLog::estimatedOdometer(const QDate &date, int vehicleId)
{
    if (!date.isValid())
        return 0;
    CTable *table = CTableOdometerLog::instance();
    const QString day = date.toString(QStringLiteral("yyyy-MM-dd"));
    const Reading next = nearestReading(table, day, vehicleId, true);
    const Reading previous = nearestReading(table, day, vehicleId, false);
    if (!next.found)
        return previous.found ? int(previous.odometer) : 0;
    if (!previous.found)
        return int(next.odometer);
    const qint64 total = previous.date.daysTo(next.date);
    if (total == 0)
        return int(previous.odometer);
    // Readings are 32-bit and stored dates span at most 10000 years, so the
    // product fits in 64 bits; part <= total keeps the result between the two.
    const qint64 part = previous.date.daysTo(date);
    return int(previous.odometer + (next.odometer - previous.odometer) * part / total);
}

QString COdometerLog::iconPath(int parentType)
{
    switch (parentType) {
    case FuelParent:
        return QStringLiteral(":resource/bwicons/fuel-log-16.png");
    case ServiceParent:
        return QStringLiteral(":resource/bwicons/service-16.png");
    case ExpenseParent:
        return QStringLiteral(":resource/icons/expense-16.png");
    case NoteParent:
        return QStringLiteral(":resource/icons/notes-16.png");
    default:
        return QStringLiteral(":resource/bwicons/odometer-16.png");
    }
}
