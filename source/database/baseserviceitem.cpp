#include "database/baseserviceitem.h"

#include "database/tableserviceitem.h"

CBaseServiceItem::CBaseServiceItem()
    : CTableObject(CTableServiceItem::instance())
{
    clear();
}

QVector<CFieldBinding> CBaseServiceItem::fields()
{
    return {
        CFieldBinding::number(m_serviceLogId),
        CFieldBinding::text(m_description),
        CFieldBinding::money(m_cost)
    };
}
