#include "modules/vehicle/records/recordkind.h"

#include "database/odometerlog.h"
#include "modules/vehicle/expense/expensedialog.h"
#include "modules/vehicle/fuellog/fuellogdialog.h"
#include "modules/vehicle/note/notedialog.h"
#include "modules/vehicle/service/sessiondialog.h"
#include "modules/vehicle/serviceschedule/servicescheduledialog.h"
#include "modules/vehicle/vehiclecontent.h"

namespace {

int editFuelEntry(int id)
{
    return CFuelLogDialog::editEntry(id);
}

int addSchedule(const CVehicle &vehicle)
{
    return CServiceScheduleDialog::addEntry(vehicle.id());
}

int editSchedule(int id)
{
    return CServiceScheduleDialog::editEntry(id);
}

const RecordKind kinds[] = {
    {CVehicleRecords::FuelEntries, COdometerLog::FuelParent, VehicleContentId::FuelLog, VehicleContentId::NoFuelLog,
     ":/resource/icons/fuel-log-16.png", nullptr, editFuelEntry},
    {CVehicleRecords::ServiceSessions, COdometerLog::ServiceParent, VehicleContentId::Services,
     VehicleContentId::NoServices, ":/resource/icons/service-16.png", CSessionDialog::addEntry,
     CSessionDialog::editEntry},
    {CVehicleRecords::ServiceSchedules, COdometerLog::NoParent, VehicleContentId::ServiceSchedules,
     VehicleContentId::NoServiceSchedules, ":/resource/icons/service-schedule-16.png", addSchedule, editSchedule},
    {CVehicleRecords::Notes, COdometerLog::NoteParent, VehicleContentId::Notes, VehicleContentId::NoNotes,
     ":/resource/icons/notes-16.png", CNoteDialog::addEntry, CNoteDialog::editEntry},
    {CVehicleRecords::Expenses, COdometerLog::ExpenseParent, VehicleContentId::Expenses,
     VehicleContentId::NoExpenses, ":/resource/icons/expense-16.png", CExpenseDialog::addEntry,
     CExpenseDialog::editEntry},
};

} // namespace

int RecordKind::pageFor(int vehicleId) const
{
    return CVehicleRecords::exist(records, vehicleId) ? listPage : emptyPage;
}

namespace RecordKinds {

const RecordKind &of(CVehicleRecords::Kind records)
{
    for (const RecordKind &kind : kinds) {
        if (kind.records == records)
            return kind;
    }
    return kinds[0];
}

const RecordKind *byParentType(int parentType)
{
    if (parentType == COdometerLog::NoParent)
        return nullptr;
    for (const RecordKind &kind : kinds) {
        if (kind.parentType == parentType)
            return &kind;
    }
    return nullptr;
}

} // namespace RecordKinds
