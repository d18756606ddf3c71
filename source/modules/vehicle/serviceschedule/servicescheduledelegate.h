#pragma once

#include "database/serviceschedule.h"
#include "database/vehicle.h"
#include "modules/vehicle/records/recorddelegate.h"

#include <QDate>

// Paints the schedule list: the texts of each schedule's last check, due,
// reminder, repeat and status, in gray for inactive schedules, red for
// overdue ones and blue for those whose reminder is reached.
//
// A cell is painted from the row the list's model holds, with the vehicle
// the list was loaded for: no query per cell. The schedule of a row is made
// once, for the row's first painted cell.
class CServiceScheduleDelegate : public CRecordDelegate
{
    Q_OBJECT

public:
    explicit CServiceScheduleDelegate(QObject *parent = nullptr);

    // The vehicle whose schedules are listed; forgets the rows.
    void setVehicle(const CVehicle &vehicle);
    // Forgets the rows after a reload of the model.
    void forgetRows();

    QString rowText(const QModelIndex &index) const override;
    QColor textColor(const QModelIndex &index) const override;

    // The colour of a schedule's texts: gray, red, blue, or invalid for the
    // normal colour.
    static QColor statusColor(const CServiceSchedule &schedule, const QDate &today);

private:
    const CServiceSchedule &scheduleAt(const QModelIndex &index) const;

    CVehicle m_vehicle;
    mutable int m_row = -1;
    mutable CServiceSchedule m_schedule;
};
