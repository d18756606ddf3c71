#include "database/vehicle.h"

#include "database/database.h"
#include "database/tableserviceschedule.h"
#include "database/tablevehicle.h"
#include "database/vehicletype.h"
#include "modules/options/units.h"

#include <QSqlQuery>
#include <QSqlRecord>

CVehicle::CVehicle(int id)
{
    load(id);
}

QString CVehicle::fuelSystemText() const
{
    switch (fuelSystemType()) {
    case 1:
        return fuelNameFirst();
    case 2:
        return QStringLiteral("%1 %2 %3").arg(fuelNameFirst(), tr("and"), fuelNameSecond());
    default:
        return tr("No Fuel System");
    }
}

QString CVehicle::odometerUnitText() const
{
    switch (odometerType()) {
    case 1:
        return tr("km");
    case 2:
        return tr("miles");
    case 3:
        return tr("hours");
    default:
        return tr("Unknown");
    }
}

CFuelEfficiency CVehicle::fuelEfficiencyFor(int distance, double quantity) const
{
    CFuelEfficiency efficiency;
    efficiency.setVolumeUnit(volumeUnit());
    efficiency.setOdometerUnit(odometerType());
    efficiency.setDistance(distance);
    efficiency.setQuantity(quantity);
    return efficiency;
}

int CVehicle::countSchedules(bool activeOnly) const
{
    CTableServiceSchedule *table = CTableServiceSchedule::instance();
    return table ? table->countSchedules(id(), activeOnly) : -1;
}

int CVehicle::countReminded() const
{
    CTableServiceSchedule *table = CTableServiceSchedule::instance();
    return table ? table->countReminded(id(), odometerValue()) : -1;
}

int CVehicle::countInactive() const
{
    CTableServiceSchedule *table = CTableServiceSchedule::instance();
    return table ? table->countInactive(id()) : -1;
}

int CVehicle::countOverdue() const
{
    CTableServiceSchedule *table = CTableServiceSchedule::instance();
    return table ? table->countOverdue(id(), odometerValue()) : -1;
}

int CVehicle::countUpcoming() const
{
    CTableServiceSchedule *table = CTableServiceSchedule::instance();
    return table ? table->countUpcoming(id(), odometerValue()) : -1;
}

QPixmap CVehicle::image() const
{
    const QString path = CVehicleType(typeId()).imagePath();
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}

QList<CVehicle> CVehicle::list()
{
    QList<CVehicle> vehicles;
    CTableVehicle *table = CTableVehicle::instance();
    if (!table || !table->database())
        return vehicles;
    const QString order = QStringLiteral("%1,%2").arg(table->column(CTableVehicle::Favorite),
                                                      table->column(CTableVehicle::Order));
    QSqlQuery query;
    if (!table->database()->exec(query, QStringLiteral("SELECT * FROM %1").arg(table->tableName())
                                            + QStringLiteral(" ORDER BY ") + order))
        return vehicles;
    while (query.next()) {
        CVehicle vehicle;
        vehicle.load(query.record());
        vehicles.append(vehicle);
    }
    return vehicles;
}
