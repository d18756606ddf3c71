#include "reports/reportperiod.h"

namespace {

QDate firstOfMonth(const QDate &date)
{
    return QDate(date.year(), date.month(), 1);
}

// The whole months from `months` months before today's month up to the end
// of the month before today's.
CReportPeriod lastMonths(int months, const QDate &today)
{
    return {firstOfMonth(today.addMonths(-months)), firstOfMonth(today).addDays(-1)};
}

} // namespace

CReportPeriod CReportPeriod::preset(int code, const QDate &today, bool alignToWeeks)
{
    switch (code) {
    case ThisMonth:
        return {firstOfMonth(today), today};
    case LastMonth: {
        const QDate start = firstOfMonth(today.addMonths(-1));
        return {start, start.addMonths(1).addDays(-1)};
    }
    case LastThreeMonths: {
        const CReportPeriod period = lastMonths(3, today);
        return alignToWeeks ? period.widenedToWeeks() : period;
    }
    case LastSixMonths:
        return lastMonths(6, today);
    case LastTwelveMonths:
        return lastMonths(12, today);
    case ThisYear:
        return {QDate(today.year(), 1, 1), today};
    case LastYear:
        return {QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
    default:
        return {};
    }
}

CReportPeriod CReportPeriod::custom(const QDate &start, const QDate &end, bool alignToWeeks)
{
    const CReportPeriod period{start, end};
    const qint64 days = period.days();
    if (alignToWeeks && period.isValid() && days >= 46 && days <= 92)
        return period.widenedToWeeks();
    return period;
}

CReportPeriod CReportPeriod::widenedToWeeks() const
{
    if (!isValid())
        return *this;
    CReportPeriod widened = *this;
    // Monday is day 1, Sunday day 7.
    widened.start = start.addDays(1 - start.dayOfWeek());
    if (end.dayOfWeek() != 7)
        widened.end = widened.start.addDays(7 * (widened.start.daysTo(end) / 7) + 6);
    return widened;
}
