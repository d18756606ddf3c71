#include "database/repeatperiod.h"

#include <QStringList>

#include <limits>

CRepeatPeriod::CRepeatPeriod(int count, int unit)
    : m_count(count)
    , m_unit(unit)
{
}

int CRepeatPeriod::count() const
{
    return m_count;
}

void CRepeatPeriod::setCount(int count)
{
    m_count = count;
}

int CRepeatPeriod::unit() const
{
    return m_unit;
}

void CRepeatPeriod::setUnit(int unit)
{
    m_unit = unit;
}

QString CRepeatPeriod::toString() const
{
    QString letter;
    switch (m_unit) {
    case Day: letter = QStringLiteral("d"); break;
    case Week: letter = QStringLiteral("w"); break;
    case Month: letter = QStringLiteral("M"); break;
    case Year: letter = QStringLiteral("y"); break;
    default: letter = QStringLiteral("u"); break;
    }
    return QString::number(m_count) + QLatin1Char('|') + letter;
}

CRepeatPeriod CRepeatPeriod::fromString(const QString &text)
{
    CRepeatPeriod period;
    const QStringList parts = text.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    if (parts.size() != 2)
        return period;
    period.m_count = parts.at(0).toInt();
    const QString &letter = parts.at(1);
    if (letter == QLatin1String("d"))
        period.m_unit = Day;
    else if (letter == QLatin1String("w"))
        period.m_unit = Week;
    else if (letter == QLatin1String("y"))
        period.m_unit = Year;
    else
        period.m_unit = Month;
    return period;
}

QString CRepeatPeriod::text() const
{
    const bool one = m_count == 1;
    QString word;
    switch (m_unit) {
    case Day: word = one ? tr("day") : tr("days"); break;
    case Week: word = one ? tr("week") : tr("weeks"); break;
    case Month: word = one ? tr("month") : tr("months"); break;
    case Year: word = one ? tr("year") : tr("years"); break;
    default: word = tr("unknow"); break;
    }
    return QString::number(m_count) + QLatin1Char(' ') + word;
}

CRepeatPeriod CRepeatPeriod::between(const QDate &earlier, const QDate &later)
{
    const int years = later.year() - earlier.year();
    if (years != 0 && earlier.addYears(years) == later)
        return CRepeatPeriod(years, Year);
    const int months = years * 12 + later.month() - earlier.month();
    if (months != 0 && earlier.addMonths(months) == later)
        return CRepeatPeriod(months, Month);
    const qint64 days = earlier.daysTo(later);
    const qint64 weeks = days / 7;
    if (weeks != 0 && earlier.addDays(7 * weeks) == later)
        return CRepeatPeriod(int(weeks), Week);
    return CRepeatPeriod(int(days), Day);
}

QDate CRepeatPeriod::after(const QDate &date) const
{
    switch (m_unit) {
    case Day: return date.addDays(m_count);
    case Week: return date.addDays(7 * qint64(m_count));
    case Month: return date.addMonths(m_count);
    case Year: return date.addYears(m_count);
    default: return QDate();
    }
}

QDate CRepeatPeriod::before(const QDate &date) const
{
    if (m_count == std::numeric_limits<int>::min())
        return QDate();
    return CRepeatPeriod(-m_count, m_unit).after(date);
}

bool CRepeatPeriod::operator==(const CRepeatPeriod &other) const
{
    return m_count == other.m_count && m_unit == other.m_unit;
}

bool CRepeatPeriod::operator!=(const CRepeatPeriod &other) const
{
    return !(*this == other);
}
