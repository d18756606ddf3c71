#pragma once

#include "database/baseserviceitem.h"

#include <QList>

// One priced line of a service session: what was done and what it cost.
class CServiceItem : public CBaseServiceItem
{
public:
    CServiceItem() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CServiceItem(int id);

    // The items of a session in the order they were written, read with one
    // query; empty when the query fails.
    static QList<CServiceItem> listForSession(int sessionId);
};
