#pragma once

#include "database/processwide.h"
#include "database/tableserviceschedulebase.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QVariantList>

// The overdue and upcoming schedules of one vehicle.
struct ScheduleCounts
{
    int overdue = 0;
    int upcoming = 0;
};

// The "service_schedule" table with the counts behind the schedule page's
// footer and the garage badges.
//
// The counting conditions are the status rules of CServiceSchedule written
// in SQL, with today from Utility::Clock and every value bound: a schedule
// due by date today is overdue all day, one due at exactly the vehicle's
// odometer is overdue, a reminder is reached on its own date and reading,
// and a type bit without its date or reading never counts. Each count
// returns a negative number when the query fails.
class CTableServiceSchedule : public CTableServiceScheduleBase, public CProcessWide<CTableServiceSchedule>
{
    Q_OBJECT

public:
    explicit CTableServiceSchedule(CDatabase *database, QObject *parent = nullptr);

    int countSchedules(int vehicleId, bool activeOnly);
    // Active schedules whose reminder is reached, overdue ones included.
    int countReminded(int vehicleId, int odometer);
    int countInactive(int vehicleId);
    // Active schedules that are overdue.
    int countOverdue(int vehicleId, int odometer);
    // Active schedules whose reminder is reached and that are not overdue
    // yet; never negative, unlike countReminded() - countOverdue().
    int countUpcoming(int vehicleId, int odometer);
    // countOverdue() and countUpcoming() of every vehicle that has any, each
    // against the vehicle's own odometer, in one grouped query. Empty when
    // the query fails.
    QHash<int, ScheduleCounts> countsByVehicle();
    // Ids of the active schedules of every vehicle that are overdue or whose
    // reminder is reached, in garage order and by due date within a vehicle.
    QList<int> remindedIds();

    // Conditions on the row's own columns. `odometer` is the SQL text of the
    // odometer to compare with ("?" or a column); `bindings` receives today
    // and then, for "?", `odometerValue`.
    QString overdueCondition(const QString &odometer, int odometerValue, QVariantList &bindings) const;
    QString remindedCondition(const QString &odometer, int odometerValue, QVariantList &bindings) const;

public slots:
    // Removes the deleted vehicle's rows with one statement, then emits
    // deleted() for each; all or none of them.
    void slotVehicleDeleted(int vehicleId);

private:
    // "(bit 1 with a date not after today) or (bit 2 with a reading not above
    // the odometer)" for one of the due or reminder column triples.
    QString reachedCondition(int typeColumn, int dateColumn, int odometerColumn, const QString &odometer,
                             int odometerValue, QVariantList &bindings) const;
    int countActive(int vehicleId, const QString &condition, const QVariantList &bindings);
};
