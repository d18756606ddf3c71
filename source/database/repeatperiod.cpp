#include "database/repeatperiod.h"

#include <QStringList>

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

bool CRepeatPeriod::operator==(const CRepeatPeriod &other) const
{
    return m_count == other.m_count && m_unit == other.m_unit;
}

bool CRepeatPeriod::operator!=(const CRepeatPeriod &other) const
{
    return !(*this == other);
}
