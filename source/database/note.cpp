#include "database/note.h"

CNote::CNote(int id)
{
    load(id);
}
