#pragma once

#include "database/basevehicletype.h"

class CVehicleType : public CBaseVehicleType
{
public:
    CVehicleType() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CVehicleType(int id);
};
