#include "database/serviceschedule.h"

CServiceSchedule::CServiceSchedule(int id)
{
    load(id);
}
