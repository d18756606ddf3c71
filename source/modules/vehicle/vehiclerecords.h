#pragma once

class CTable;

// Whether a vehicle has records of one kind, each answered by one count
// query on the owning table.
class CVehicleRecords
{
public:
    enum Kind { FuelEntries, ServiceSessions, ServiceSchedules, Notes, Expenses };

    // False also when the table is missing or the query fails.
    static bool exist(Kind kind, int vehicleId);
    // The table of a kind, and the index of its column holding the vehicle id.
    static CTable *table(Kind kind);
    static int vehicleColumn(Kind kind);
};
