#include "database/expense.h"

CExpense::CExpense(int id)
{
    load(id);
}
