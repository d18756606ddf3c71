#include "database/fuellog.h"

CFuelLog::CFuelLog(int id)
{
    load(id);
}
