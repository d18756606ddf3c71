#pragma once

#include "database/basenote.h"

class CNote : public CBaseNote
{
public:
    CNote() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CNote(int id);
};
