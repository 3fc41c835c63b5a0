#pragma once
// The file a "> NAME" or ">> NAME" redirection writes to.
#include <string_view>

#include "platform/file_writer.h"

namespace vantrel::cmdshell {

// Creates or empties the file (appends with `append`), as cmd does before the command
// runs. Raises InOutError with Windows' numbers: 3 for a missing folder, 5 for a
// read-only file or a folder; Error(kBadName) for a name Windows cannot hold.
platform::FileWriter OpenOutputFile(std::string_view name, bool append);

}  // namespace vantrel::cmdshell
