#pragma once

#include <QString>

// A repeat interval: a count of days, weeks, months or years. Stored as the
// count, "|" and a unit letter ("3|M" is three months).
class CRepeatPeriod
{
public:
    enum Unit { Day = 1, Week = 2, Month = 3, Year = 4 };

    CRepeatPeriod() = default;
    CRepeatPeriod(int count, int unit);

    int count() const;
    void setCount(int count);
    int unit() const;
    void setUnit(int unit);

    QString toString() const;
    // Text that is not two parts around "|" gives one month; an unknown unit
    // letter gives months; a count that is not a number gives 0.
    static CRepeatPeriod fromString(const QString &text);

    bool operator==(const CRepeatPeriod &other) const;
    bool operator!=(const CRepeatPeriod &other) const;

private:
    int m_count = 1;
    int m_unit = Month;
};
