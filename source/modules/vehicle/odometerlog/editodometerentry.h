#pragma once

#include <functional>

// Opens the dialog that edits the reading `id`: the parent entry's dialog
// for a reading of a fuel entry, service session, expense or note, the
// odometer update dialog for any other reading and for one whose parent
// entry no longer exists. True when that dialog saved. A reading id without
// a row tells the user and returns false.
bool editOdometerEntry(int id);

// The entry dialogs of the other logs plug in here: each registers the
// operation that edits one of its entries by id and returns the saved id (0
// when cancelled). A kind without an editor opens nothing.
namespace OdometerEntryEditors {

using Editor = std::function<int(int parentId)>;

// `parentType` is a COdometerLog::ParentType; an empty editor unregisters.
void setEditor(int parentType, Editor editor);
Editor editor(int parentType);

} // namespace OdometerEntryEditors
