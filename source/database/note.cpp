#include "database/note.h"

#include "database/odometerlog.h"
#include "database/recordsave.h"

CNote::CNote(int id)
{
    load(id);
}

int CNote::saveWithReading(int vehicleId, QString *errorText)
{
    CNote note(*this);
    note.setAutoSave(false);
    if (note.id() == 0)
        note.setVehicleId(vehicleId);
    const ParentReading reading =
        RecordSave::estimatedReading(COdometerLog::NoteParent, note.vehicleId(), note.date(), note.title());
    const int id = RecordSave::save(note, reading, errorText);
    if (id != 0)
        *this = note;
    return id;
}
