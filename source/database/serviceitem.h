#pragma once

#include "database/baseserviceitem.h"

class CServiceItem : public CBaseServiceItem
{
public:
    CServiceItem() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CServiceItem(int id);
};
