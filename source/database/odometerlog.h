#pragma once

#include "database/baseodometerlog.h"

class COdometerLog : public CBaseOdometerLog
{
public:
    COdometerLog() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit COdometerLog(int id);
};
