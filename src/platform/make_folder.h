#pragma once
// A folder of the tool's own made where it is missing, such as the ledger's in the support
// folder.
#include <string_view>

namespace vantrel::platform {

// Makes the folder `path` names and any missing folder on its way; nothing when it is there.
// Raises InOutError: 5 where a file stands in its place.
void MakeFolders(std::string_view path);

}  // namespace vantrel::platform
