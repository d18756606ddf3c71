#pragma once

#include "database/basesession.h"

class CSession : public CBaseSession
{
public:
    CSession() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CSession(int id);
};
