#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

// A repeat interval: a count of days, weeks, months or years. Stored as the
// count, "|" and a unit letter ("3|M" is three months).
class CRepeatPeriod
{
    Q_DECLARE_TR_FUNCTIONS(CRepeatPeriod)

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

    // "3 months", "1 day"; "<count> unknow" for a unit outside the four.
    QString text() const;

    // The period from `earlier` to `later`, in the largest unit that leads
    // there exactly: whole years, else whole months, else whole weeks, else
    // days. Month steps clamp to the month's last day, so one month before
    // 2024-03-31 is 2024-02-29, and the period back from there is 31 days.
    static CRepeatPeriod between(const QDate &earlier, const QDate &later);
    // `date` moved forward or back by this period; invalid for an invalid
    // date or a unit outside the four.
    QDate after(const QDate &date) const;
    QDate before(const QDate &date) const;

    bool operator==(const CRepeatPeriod &other) const;
    bool operator!=(const CRepeatPeriod &other) const;

private:
    int m_count = 1;
    int m_unit = Month;
};
