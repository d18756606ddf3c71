#pragma once

#include <functional>

// Opens the dialog that edits the reading `id`: the parent entry's dialog
// for a reading of a fuel entry, service session, expense or note, the
// odometer update dialog for any other reading and for one whose parent
// entry no longer exists. True when that dialog saved. A reading id without
// a row tells the user and returns false.
bool editOdometerEntry(int id);

// The dialog that edits an entry of a parent kind is the record kind's
// (RecordKinds); a test may put another in its place.
namespace OdometerEntryEditors {

using Editor = std::function<int(int parentId)>;

// `parentType` is a COdometerLog::ParentType; an empty editor restores the
// record kind's.
void setEditor(int parentType, Editor editor);
Editor editor(int parentType);

} // namespace OdometerEntryEditors
