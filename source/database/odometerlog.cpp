#include "database/odometerlog.h"

COdometerLog::COdometerLog(int id)
{
    load(id);
}
