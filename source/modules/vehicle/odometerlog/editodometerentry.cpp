#include "modules/vehicle/odometerlog/editodometerentry.h"

#include "database/odometerlog.h"
#include "database/tableexpense.h"
#include "database/tablefuellog.h"
#include "database/tablenote.h"
#include "database/tablesession.h"
#include "modules/vehicle/odometerlog/updateodometerdialog.h"

#include <QHash>

namespace {

QHash<int, OdometerEntryEditors::Editor> &editors()
{
    static QHash<int, OdometerEntryEditors::Editor> table;
    return table;
}

// The table of a parent kind that has one.
CTable *parentTable(int parentType)
{
    switch (parentType) {
    case COdometerLog::FuelParent:
        return CTableFuelLog::instance();
    case COdometerLog::ServiceParent:
        return CTableSession::instance();
    case COdometerLog::ExpenseParent:
        return CTableExpense::instance();
    case COdometerLog::NoteParent:
        return CTableNote::instance();
    default:
        return nullptr;
    }
}

} // namespace

void OdometerEntryEditors::setEditor(int parentType, Editor editor)
{
    if (editor)
        editors().insert(parentType, std::move(editor));
    else
        editors().remove(parentType);
}

OdometerEntryEditors::Editor OdometerEntryEditors::editor(int parentType)
{
    return editors().value(parentType);
}

bool editOdometerEntry(int id)
{
    const COdometerLog reading(id);
    CTable *table = reading.id() == id ? parentTable(reading.parentType()) : nullptr;
    // An orphan reading is edited on its own: a parent dialog opened on a
    // missing entry would insert a new, empty one. The update dialog also
    // tells the user when the reading itself is gone.
    if (!table || reading.parentId() == 0 || !table->exists(reading.parentId()))
        return CUpdateOdometerDialog::editEntry(id) != 0;
    const OdometerEntryEditors::Editor edit = OdometerEntryEditors::editor(reading.parentType());
    return edit && edit(reading.parentId()) != 0;
}
