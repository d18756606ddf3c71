#include "modules/vehicle/vehiclerecords.h"

#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tableserviceschedule.h"
#include "database/tablesession.h"

#include <QString>

namespace {

// The table of a kind and the index of its vehicle id column.
struct Owner
{
    CTable *table = nullptr;
    int vehicleColumn = 0;
};

Owner ownerOf(CVehicleRecords::Kind kind)
{
    switch (kind) {
    case CVehicleRecords::FuelEntries:
        return {CTableFuelLog::instance(), CTableFuelLogBase::VehicleId};
    case CVehicleRecords::ServiceSessions:
        return {CTableSession::instance(), CTableSessionBase::VehicleId};
    case CVehicleRecords::ServiceSchedules:
        return {CTableServiceSchedule::instance(), CTableServiceScheduleBase::VehicleId};
    case CVehicleRecords::Notes:
        return {CTableNote::instance(), CTableNoteBase::VehicleId};
    case CVehicleRecords::Expenses:
        return {CTableExpense::instance(), CTableExpenseBase::VehicleId};
    }
    return {};
}

} // namespace

CTable *CVehicleRecords::table(Kind kind)
{
    return ownerOf(kind).table;
}

int CVehicleRecords::vehicleColumn(Kind kind)
{
    return ownerOf(kind).vehicleColumn;
}

bool CVehicleRecords::exist(Kind kind, int vehicleId)
{
    const Owner owner = ownerOf(kind);
    if (!owner.table || vehicleId == 0)
        return false;
    const QString where = QStringLiteral("%1=?").arg(owner.table->column(owner.vehicleColumn));
    return owner.table->findId(where, {vehicleId}) != 0;
}
