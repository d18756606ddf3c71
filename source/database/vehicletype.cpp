#include "database/vehicletype.h"

#include "database/database.h"
#include "database/tablevehicletype.h"
#include "database/transaction.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

struct BuiltInType
{
    const char *name;
    const char *picture;
    int fuelSystem;
    int odometerType;
};

// Stored in English, as the rows are data, not interface text.
const BuiltInType builtInTypes[] = {
    {"Car", ":resource/icons/vehicle-car-256.png", 1, 1},
    {"Motorcycle", ":resource/icons/vehicle-motorcycle-256.png", 1, 1},
    {"Bicycle", ":resource/icons/vehicle-bicycle-256.png", 0, 1},
    {"Truck", ":resource/icons/vehicle-truck-256.png", 1, 1},
    {"Bus", ":resource/icons/vehicle-bus-256.png", 1, 1},
    {"Trailer", ":resource/icons/vehicle-trailer-256.png", 0, 1},
    {"Agricultural", ":resource/icons/vehicle-agricultural-256.png", 1, 3},
    {"Machine", ":resource/icons/vehicle-machine-256.png", 1, 3},
    {"Boat", ":resource/icons/vehicle-boat-256.png", 1, 3},
    {"Other", ":resource/icons/vehicle-other-256.png", 1, 3},
};

} // namespace

CVehicleType::CVehicleType(int id)
{
    load(id);
}

QList<CVehicleType> CVehicleType::list()
{
    QList<CVehicleType> types;
    CTableVehicleType *table = CTableVehicleType::instance();
    if (!table || !table->database())
        return types;
    QSqlQuery query;
    if (!table->database()->exec(query, QStringLiteral("SELECT * FROM %1").arg(table->tableName())))
        return types;
    while (query.next()) {
        CVehicleType type;
        type.load(query.record());
        types.append(type);
    }
    return types;
}

QStringList CVehicleType::builtInImagePaths()
{
    QStringList paths;
    for (const BuiltInType &type : builtInTypes)
        paths.append(QString::fromLatin1(type.picture));
    return paths;
}

bool seedVehicleTypes()
{
    CTableVehicleType *table = CTableVehicleType::instance();
    if (!table)
        return false;
    const int rows = table->count();
    if (rows != 0)
        return rows > 0;

    CTransaction transaction(table->database());
    if (!transaction.isActive())
        return false;
    const QStringList columns = table->columns();
    int id = 0;
    for (const BuiltInType &type : builtInTypes) {
        ++id;
        const QVariantList values{id,
                                  QString::fromLatin1(type.name),
                                  QString::fromLatin1(type.picture),
                                  type.fuelSystem,
                                  type.odometerType,
                                  0};
        if (table->save(0, values, columns) != id)
            return false;
    }
    return transaction.commit();
}
