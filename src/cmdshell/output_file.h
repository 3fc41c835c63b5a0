#pragma once
// The file a "> NAME" or ">> NAME" redirection writes to.
#include <string_view>

#include "platform/whole_file_writer.h"

namespace vantrel::cmdshell {

// The file's new content (its old one followed by more with `append`), checked as cmd
// checks it before the command runs. It takes the file's place only once written whole:
// a marker cut by a full disk or a kill would still count as an activation. Raises
// InOutError with Windows' numbers: 3 for a missing folder, 5 for a read-only file or a
// folder; Error(kBadName) for a name Windows cannot hold.
platform::WholeFileWriter OpenOutputFile(std::string_view name, bool append);

}  // namespace vantrel::cmdshell
