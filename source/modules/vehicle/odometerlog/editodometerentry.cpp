#include "modules/vehicle/odometerlog/editodometerentry.h"

#include "database/odometerlog.h"
#include "database/table.h"
#include "modules/vehicle/odometerlog/updateodometerdialog.h"
#include "modules/vehicle/records/recordkind.h"

#include <QHash>

namespace {

QHash<int, OdometerEntryEditors::Editor> &replaced()
{
    static QHash<int, OdometerEntryEditors::Editor> table;
    return table;
}

} // namespace

void OdometerEntryEditors::setEditor(int parentType, Editor editor)
{
    if (editor)
        replaced().insert(parentType, std::move(editor));
    else
        replaced().remove(parentType);
}

OdometerEntryEditors::Editor OdometerEntryEditors::editor(int parentType)
{
    const auto found = replaced().constFind(parentType);
    if (found != replaced().constEnd())
        return found.value();
    const RecordKind *kind = RecordKinds::byParentType(parentType);
    return kind && kind->edit ? Editor(kind->edit) : Editor();
}

bool editOdometerEntry(int id)
{
    const COdometerLog reading(id);
    const RecordKind *kind = reading.id() == id ? RecordKinds::byParentType(reading.parentType()) : nullptr;
    CTable *table = kind ? kind->table() : nullptr;
    // An orphan reading is edited on its own: a parent dialog opened on a
    // missing entry would insert a new, empty one. The update dialog also
    // tells the user when the reading itself is gone.
    if (!table || reading.parentId() == 0 || !table->exists(reading.parentId()))
        return CUpdateOdometerDialog::editEntry(id) != 0;
    const OdometerEntryEditors::Editor edit = OdometerEntryEditors::editor(reading.parentType());
    return edit && edit(reading.parentId()) != 0;
}
