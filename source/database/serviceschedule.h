#pragma once

#include "database/baseserviceschedule.h"
#include "database/vehicle.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

// A maintenance task of a vehicle, due at a date, at an odometer reading or
// at whichever comes first, with an optional reminder ahead of it and an
// optional repeat interval.
//
// The status rules compare with today (Utility::Clock) and the vehicle's
// current odometer. They are the rules the counting queries of
// CTableServiceSchedule write in SQL; both must always agree.
class CServiceSchedule : public CBaseServiceSchedule
{
    Q_DECLARE_TR_FUNCTIONS(CServiceSchedule)

public:
    // Bits of the due, reminder and repeat types.
    enum TypeBit { ByDate = 1, ByOdometer = 2 };

    CServiceSchedule() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CServiceSchedule(int id);

    // The schedule's vehicle, read again only when `_vehicle_id` changed.
    const CVehicle &vehicle() const;
    // Hands over an already loaded vehicle, so that a list of one vehicle's
    // schedules reads it once; ignored when it is another vehicle.
    void useVehicle(const CVehicle &vehicle);

    bool isActive() const;
    // Due by date on or before today, or due at a reading the vehicle's
    // odometer has reached. A type bit without its date or reading never
    // falls due. Inactive schedules are judged the same way.
    bool isOverdue() const;
    bool isOverdue(const QDate &today, int odometer) const;
    // The same rule for the reminder date and reading.
    bool isReminderReached() const;
    bool isReminderReached(const QDate &today, int odometer) const;
    // Active, reminder reached, not overdue yet.
    bool isUpcoming() const;

    // Texts of the list. Dates are written in `dateFormat`, or in the
    // configured format when it is empty.
    QString lastCheckText(const QString &dateFormat = QString()) const;
    QString dueText(const QString &dateFormat = QString()) const;
    QString reminderText() const;
    QString repeatText() const;
    QString statusText() const;

    // The schedule after a check on `date` at `odometer`: the last check is
    // recorded; a schedule that repeats falls due again one repeat period
    // and/or distance after the check, by the repeat's kinds only, and its
    // reminder keeps its lead before the due date and reading; one that does
    // not repeat becomes inactive.
    CServiceSchedule doneOn(const QDate &date, int odometer) const;
    // doneOn() today at the vehicle's current odometer, stored in one
    // transaction. On failure nothing changes, the reason goes to
    // `errorText` and false is returned.
    bool markDone(QString *errorText = nullptr);
    // Writes the record in one transaction; its id, or 0 with the reason in
    // `errorText` (a schedule deleted meanwhile is not brought back).
    int saveChecked(QString *errorText = nullptr);

    // The active schedules of every vehicle that are overdue or whose
    // reminder is reached, each with its vehicle, in garage order.
    static QList<CServiceSchedule> reminders();

private:
    mutable CVehicle m_vehicle;
};
