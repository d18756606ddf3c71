#include "database/serviceitem.h"

CServiceItem::CServiceItem(int id)
{
    load(id);
}
