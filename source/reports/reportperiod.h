#pragma once

#include <QDate>

// A report period: first and last day, both inclusive. The presets of the
// report period list are computed here, so they can be tested on any "today".
struct CReportPeriod
{
    // The period codes of the list's items.
    enum Code {
        ThisMonth = 1,
        LastMonth = 2,
        LastThreeMonths = 3,
        LastSixMonths = 4,
        LastTwelveMonths = 5,
        ThisYear = 6,
        LastYear = 7,
        Custom = 8,
    };

    QDate start;
    QDate end;

    // The period of a preset code on `today`; the three-, six- and
    // twelve-month periods are whole calendar months ending with the month
    // before today's. With `alignToWeeks` the three-month period is widened
    // to whole weeks. Custom and unknown codes give a null period.
    static CReportPeriod preset(int code, const QDate &today, bool alignToWeeks = false);
    // A chosen custom period, widened to whole weeks when `alignToWeeks` is
    // set and it spans 46 to 92 days (end minus start).
    static CReportPeriod custom(const QDate &start, const QDate &end, bool alignToWeeks = false);

    // Widened to whole weeks, Monday to Sunday: the start moves back to its
    // Monday, the end forward to the Sunday of its week.
    CReportPeriod widenedToWeeks() const;
    // End minus start; negative for a reversed period, 0 for one day.
    qint64 days() const { return start.daysTo(end); }
    bool isValid() const { return start.isValid() && end.isValid(); }
    // An end before the start: such a period covers no day.
    bool isReversed() const { return isValid() && end < start; }

    bool operator==(const CReportPeriod &other) const { return start == other.start && end == other.end; }
    bool operator!=(const CReportPeriod &other) const { return !(*this == other); }
};
