#include "database/vehicle.h"

CVehicle::CVehicle(int id)
{
    load(id);
}
