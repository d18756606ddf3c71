#pragma once

// Vehicles and schedules for the service schedule tests, on the TestDatabase
// of the running test.

#include "database/serviceschedule.h"
#include "testrecords.h"

#include <QDate>

namespace ScheduleTestData {

inline CVehicle addVehicle(const QString &name = QStringLiteral("Golf"), int odometer = 5000, int unit = 1)
{
    return CVehicle(TestRecords::addVehicle(name, odometer, unit));
}

// A schedule as the dialog would store it: due and reminder by the bits given.
// Each of the chained calls adds its kind to the type bits.
struct Plan
{
    explicit Plan(const QString &name = QStringLiteral("Oil")) : name(name) {}

    Plan &dueOn(const QDate &date) { dueType |= 1; dueDate = date; return *this; }
    Plan &dueAt(int odometer) { dueType |= 2; dueOdometer = odometer; return *this; }
    Plan &remindOn(const QDate &date) { reminderType |= 1; reminderDate = date; return *this; }
    Plan &remindAt(int odometer) { reminderType |= 2; reminderOdometer = odometer; return *this; }
    Plan &repeatEvery(const CRepeatPeriod &period) { repeatType |= 1; repeatPeriod = period; return *this; }
    Plan &repeatEvery(int distance) { repeatType |= 2; repeatOdometer = distance; return *this; }
    Plan &inactive() { status = 0; return *this; }

    QString name;
    int dueType = 0;
    QDate dueDate;
    int dueOdometer = -1;
    int reminderType = 0;
    QDate reminderDate;
    int reminderOdometer = -1;
    int repeatType = 0;
    CRepeatPeriod repeatPeriod;
    int repeatOdometer = -1;
    int status = 1;
};

inline CServiceSchedule addSchedule(const CVehicle &vehicle, const Plan &plan)
{
    CServiceSchedule schedule;
    schedule.setAutoSave(false);
    schedule.setVehicleId(vehicle.id());
    schedule.setName(plan.name);
    schedule.setDueType(plan.dueType);
    schedule.setDueDate(plan.dueDate);
    schedule.setDueOdometer(plan.dueOdometer);
    schedule.setReminderType(plan.reminderType);
    schedule.setReminderDate(plan.reminderDate);
    schedule.setReminderOdometer(plan.reminderOdometer);
    schedule.setRepeatType(plan.repeatType);
    schedule.setRepeatPeriod(plan.repeatPeriod);
    schedule.setRepeatOdometer(plan.repeatOdometer);
    schedule.setStatus(plan.status);
    return CServiceSchedule(schedule.save(true));
}

} // namespace ScheduleTestData
