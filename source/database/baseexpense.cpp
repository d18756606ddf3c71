#include "database/baseexpense.h"

#include "database/tableexpense.h"

CBaseExpense::CBaseExpense()
    : CTableObject(CTableExpense::instance())
{
    clear();
}

QVector<CFieldBinding> CBaseExpense::fields()
{
    return {
        CFieldBinding::number(m_vehicleId),
        CFieldBinding::date(m_date),
        CFieldBinding::amount(m_amount),
        CFieldBinding::text(m_name),
        CFieldBinding::text(m_comment)
    };
}
