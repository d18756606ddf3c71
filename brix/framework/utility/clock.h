#pragma once

#include <QDate>
#include <QDateTime>

namespace Utility {

// The one source of "today" and "now". Everything that depends on the date
// (reports, expiry colours, schedules, update checks) asks here, so tests can
// stand on any day they like.
class Clock
{
public:
    static QDate today();
    static QDateTime now();

    // Freezes the clock at `dateTime`; an invalid value returns to real time.
    static void setNow(const QDateTime &dateTime);
    static void setToday(const QDate &date);
    static void reset();

private:
    static QDateTime fixed;
};

} // namespace Utility
