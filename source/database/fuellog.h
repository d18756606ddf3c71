#pragma once

#include "database/basefuellog.h"

class CFuelLog : public CBaseFuelLog
{
public:
    CFuelLog() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CFuelLog(int id);
};
