#include "database/vehicletype.h"

CVehicleType::CVehicleType(int id)
{
    load(id);
}
