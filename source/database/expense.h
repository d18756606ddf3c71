#pragma once

#include "database/baseexpense.h"

class CExpense : public CBaseExpense
{
public:
    CExpense() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CExpense(int id);
};
