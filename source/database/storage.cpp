#include "database/storage.h"

namespace Storage {

bool createVehicleTypeTable()
{
    return false;
}

void deleteVehicleTypeTable()
{
}

bool createVehicleTables()
{
    return false;
}

void deleteVehicleTables()
{
}

} // namespace Storage
