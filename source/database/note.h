#pragma once

#include "database/basenote.h"

#include <QCoreApplication>

// Free text kept about a vehicle: a radio code, a tip...
class CNote : public CBaseNote
{
    Q_DECLARE_TR_FUNCTIONS(CNote)

public:
    CNote() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CNote(int id);

    // Saves the note with its odometer reading (RecordSave), described by
    // the title; a new note belongs to `vehicleId`. The reading is the one
    // estimated for the vehicle at the note's date. Returns the id, or 0
    // with the reason in `errorText`.
    int saveWithReading(int vehicleId, QString *errorText = nullptr);
};
