#pragma once

#include "database/fuellog.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>

class CVehicle;

// What the fuel report shows for one vehicle and period: the fuel entries of
// the period in odometer order, the nearest entry of each fuel before and
// after the period (so that the chart's lines run to its edges), the fuel
// summaries of the period, and the ranges of the chart's axes.
class CFuelReport
{
public:
    // An axis range, lower to upper.
    struct Range
    {
        double lower = 0.0;
        double upper = 0.0;
    };

    // Reads the report of `vehicle` for start to end (both inclusive).
    void load(const CVehicle &vehicle, const QDate &start, const QDate &end);

    // The period's entries, with the neighbours: the last entry of each fuel
    // before the period in front (the second fuel's first), the first entry
    // of each fuel after it at the back (the first fuel's first).
    QList<CFuelLog> entries() const { return m_entries; }
    // The summary of one fuel over the period's entries only.
    FuelLogSummary summary(int fuelType) const;
    int periodEntryCount() const { return m_periodCount; }

    // The key of a day on the chart's date axis: the seconds from 1970-01-01
    // 00:00 UTC to the local midnight that begins it, in 64 bits, so that any
    // year has its place.
    static double dateKey(const QDate &date);
    // From the start day's key to three days after the end day's.
    static Range dateRange(const QDate &start, const QDate &end);
    // The odometer readings of the entries whose key lies within `dates`,
    // padded as the efficiencies are and truncated to whole numbers.
    static Range odometerRange(const QList<CFuelLog> &entries, const Range &dates);
    // The efficiencies of the first fuel's entries, and of the second fuel's
    // too when `dualFuel` is set (one unit wide for a single value), with a
    // twentieth of their spread added on both sides.
    static Range efficiencyRange(const QList<CFuelLog> &entries, bool dualFuel);

private:
    QList<CFuelLog> m_entries;
    QList<CFuelLog> m_periodEntries;
    int m_periodCount = 0;
    int m_vehicleId = 0;
};
