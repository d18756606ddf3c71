#pragma once

#include "database/basevehicletype.h"

#include <QList>
#include <QStringList>

// A vehicle type: the picture and the suggestions for new vehicles.
class CVehicleType : public CBaseVehicleType
{
public:
    CVehicleType() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CVehicleType(int id);

    // Every type in database order. Empty when the table is missing or the
    // query fails.
    static QList<CVehicleType> list();
    // The pictures of the built-in types, in the order of their ids (1-10);
    // also the pictures the type editor offers.
    static QStringList builtInImagePaths();
};

// Writes the ten built-in types with ids 1 to 10, in one transaction, when
// the type table holds no row; a table with any row is left alone. False
// when there is no table or a write or the commit failed (then nothing is
// written).
bool seedVehicleTypes();
