#pragma once

#include "database/fuellog.h"
#include "database/vehicle.h"

#include <QDate>
#include <QVector>

// What the fuel report shows for one vehicle and period: the points of the
// period's fuel entries in odometer order, the nearest entry of each fuel
// before and after the period (so that the chart's lines run to its edges),
// the fuel summaries of the period, and the ranges of the chart's axes.
//
// Only what the chart draws is read of each entry; the summaries come from
// one grouped aggregate query.
class CFuelReport
{
public:
    // One fuel entry as the chart draws it.
    struct Point
    {
        QDate date;
        int fuelType = 0;
        int odometer = 0;
        double efficiency = 0.0;
    };

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
    QVector<Point> points() const { return m_points; }
    int periodPointCount() const { return m_periodCount; }
    // The summary of one fuel over the period's entries, its texts made with
    // the units and currency in force.
    FuelLogSummary summary(int fuelType) const;

    // The key of a day on the chart's date axis: the seconds from 1970-01-01
    // 00:00 UTC to the day's midnight in UTC, in 64 bits, so that any year
    // has its place. The axis shows its dates in UTC too: every day is 24
    // hours long and no time zone needs to be looked up per point.
    static double dateKey(const QDate &date);
    // From the start day's key to three days after the end day's.
    static Range dateRange(const QDate &start, const QDate &end);
    // The odometer readings of the points whose key lies within `dates`,
    // padded as the efficiencies are and truncated to whole numbers.
    static Range odometerRange(const QVector<Point> &points, const Range &dates);
    // The efficiencies of the first fuel's points, and of the second fuel's
    // too when `dualFuel` is set (one unit wide for a single value), with a
    // twentieth of their spread added on both sides.
    static Range efficiencyRange(const QVector<Point> &points, bool dualFuel);

private:
    CVehicle m_vehicle;
    QVector<Point> m_points;
    int m_periodCount = 0;
    QList<FuelLogSummary> m_summaries;
};
