#include "database/session.h"

CSession::CSession(int id)
{
    load(id);
}
