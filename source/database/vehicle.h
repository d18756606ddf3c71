#pragma once

#include "database/basevehicle.h"

class CVehicle : public CBaseVehicle
{
public:
    CVehicle() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CVehicle(int id);
};
