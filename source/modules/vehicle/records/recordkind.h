#pragma once

#include "modules/vehicle/vehiclerecords.h"

#include <QString>

class CTable;
class CVehicle;

// What the vehicle page knows of one kind of record kept for a vehicle:
// its table, the kind of odometer reading it writes, its two pages (records,
// none yet), its icon and its dialog. The sidebar, the "New ..." buttons and
// the odometer list's editor all go by it.
struct RecordKind
{
    CVehicleRecords::Kind records;
    int parentType;  // COdometerLog::ParentType of the readings it writes
    int listPage;    // VehicleContentId with records
    int emptyPage;   // VehicleContentId without records
    const char *icon; // 16-pixel icon
    // Runs the dialog for a new record of `vehicle`: the saved id or 0.
    // None for fuel, whose entries are started per fuel.
    int (*add)(const CVehicle &vehicle);
    // Runs the dialog on the stored record `id`: the saved id or 0.
    int (*edit)(int id);

    CTable *table() const { return CVehicleRecords::table(records); }
    int vehicleColumn() const { return CVehicleRecords::vehicleColumn(records); }
    // The list page when the vehicle has records of this kind, else the
    // empty-state page.
    int pageFor(int vehicleId) const;
};

namespace RecordKinds {

const RecordKind &of(CVehicleRecords::Kind records);
// The kind that writes readings of `parentType`; null for any other.
const RecordKind *byParentType(int parentType);

} // namespace RecordKinds
