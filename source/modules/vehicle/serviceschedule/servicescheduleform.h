#pragma once

#include "database/repeatperiod.h"

#include <QCoreApplication>
#include <QDate>
#include <QFlags>
#include <QMap>
#include <QString>

class CServiceSchedule;
class CVehicle;

// What the schedule dialog edits, the rules a complete form follows, and
// its save into a schedule record.
//
// The schedule falls due by date, by odometer or by both (whichever comes
// first); the reminder and the repeat follow the same choice: their period
// counts only when due by date, their distances only when due by odometer.
// Numbers are whole, from 0 up, read the same way in every locale; an empty
// reminder or repeat field means none of that kind.
class CServiceScheduleForm
{
    Q_DECLARE_TR_FUNCTIONS(CServiceScheduleForm)

public:
    enum Field {
        NoField = 0x0,
        Name = 0x1,
        Due = 0x2,
        DueOdometer = 0x4,
        ReminderCount = 0x8,
        ReminderDistance = 0x10,
        Repeat = 0x20,
        RepeatCount = 0x40,
        RepeatDistance = 0x80,
    };
    Q_DECLARE_FLAGS(Fields, Field)

    // The proposal step of the vehicle's odometer unit: 1000, or 10 for hours.
    static int step(const CVehicle &vehicle);
    // A new schedule of `vehicle`: due by both in a month or 5 steps, a
    // reminder a month or one step ahead, no repeat.
    static CServiceScheduleForm forNew(const CVehicle &vehicle, const QDate &today);
    // The form of a stored schedule. Kinds it is not due by are proposed as
    // for a new schedule, ready to be switched on.
    static CServiceScheduleForm fromSchedule(const CServiceSchedule &schedule, const CVehicle &vehicle,
                                             const QDate &today);

    // The fields that keep the form from being saved, each with its reason
    // in `reasons`.
    Fields invalidFields(QMap<Field, QString> *reasons = nullptr) const;
    // Writes a valid form into `schedule` (its vehicle id set by the caller)
    // and saves it in one transaction. Kinds that are not chosen get their
    // type bit cleared and keep their stored values. Returns the schedule id,
    // or 0 when the form is invalid or the save failed (then `error` says
    // why and the stored row is unchanged).
    int save(CServiceSchedule &schedule, QString *error = nullptr) const;

    QString name;
    QString description;
    bool dueByDate = true;
    bool dueByOdometer = true;
    QDate dueDate;
    QString dueOdometer;
    QString reminderCount;
    int reminderUnit = CRepeatPeriod::Month;
    QString reminderDistance;
    bool repeat = false;
    QString repeatCount = QStringLiteral("1");
    int repeatUnit = CRepeatPeriod::Month;
    QString repeatDistance;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CServiceScheduleForm::Fields)
