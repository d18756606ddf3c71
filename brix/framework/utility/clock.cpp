#include "utility/clock.h"

namespace Utility {

QDateTime Clock::fixed;

QDate Clock::today()
{
    return now().date();
}

QDateTime Clock::now()
{
    return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

void Clock::setNow(const QDateTime &dateTime)
{
    fixed = dateTime;
}

void Clock::setToday(const QDate &date)
{
    fixed = date.isValid() ? QDateTime(date, QTime(12, 0)) : QDateTime();
}

void Clock::reset()
{
    fixed = QDateTime();
}

} // namespace Utility
