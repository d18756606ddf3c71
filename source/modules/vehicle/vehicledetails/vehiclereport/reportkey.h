#pragma once

#include <QDate>

// The vehicle and period a report page shows, so that entering the page
// recomputes only when one of them changed (a change of the stored records
// refreshes the page through its table signals).
struct ReportKey
{
    int vehicleId = 0;
    QDate start;
    QDate end;

    bool operator==(const ReportKey &other) const
    {
        return vehicleId == other.vehicleId && start == other.start && end == other.end;
    }
};
