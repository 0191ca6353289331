#pragma once
// The names a folder holds, grouped by their upper-case form: the items
// whose names differ only in case stand together. A handler that renames
// many items of one folder reads it once; the last few folders read are kept
// until the handler ends, and outside a handler nothing is kept.
#include <string>
#include <vector>

namespace folder_names {

// The names in the folder that equal the name without regard to case.
std::vector<std::string> DifferingInCase(const std::string& folder, const std::string& name);

// What the layer's own rename did: the folder now lists newName for oldName.
void Renamed(const std::string& folder, const std::string& oldName, const std::string& newName);

// The folder may hold other names than were read: read it again next time.
void Forget(const std::string& folder);

}  // namespace folder_names
