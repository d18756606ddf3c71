#pragma once

#include "database/basevehicle.h"
#include "modules/vehicle/fuellog/fuelefficiency.h"

#include <QCoreApplication>
#include <QList>
#include <QPixmap>
#include <QString>

// A vehicle with its display rules.
class CVehicle : public CBaseVehicle
{
    Q_DECLARE_TR_FUNCTIONS(CVehicle)

public:
    CVehicle() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CVehicle(int id);

    // The fuel name for one fuel, "<first> and <second>" for two, otherwise
    // "No Fuel System".
    QString fuelSystemText() const;
    // "km", "miles" or "hours"; "Unknown" for any other code.
    QString odometerUnitText() const;
    // The efficiency of `quantity` over `distance` for this vehicle's odometer
    // unit, in the efficiency mode and volume unit of the settings.
    CFuelEfficiency fuelEfficiencyFor(int distance, double quantity) const;
    // Counts of this vehicle's service schedules at its current odometer
    // (CTableServiceSchedule); negative when the query fails.
    int countSchedules(bool activeOnly) const;
    int countReminded() const;
    int countInactive() const;
    int countOverdue() const;
    int countUpcoming() const;
    // The picture of the vehicle's type; null when the type has none.
    QPixmap image() const;

    // Every vehicle in garage order: favourites flag, then `_order`, both
    // ascending. Empty when the table is missing or the query fails.
    static QList<CVehicle> list();
};
