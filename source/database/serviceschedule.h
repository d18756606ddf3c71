#pragma once

#include "database/baseserviceschedule.h"

class CServiceSchedule : public CBaseServiceSchedule
{
public:
    CServiceSchedule() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CServiceSchedule(int id);
};
