#pragma once
// I/O errors that name their file: the engine changes several files in one go, and
// "File access denied" alone does not tell the user which one to look at.
#include <string>
#include <string_view>
#include <utility>

#include "platform/errors.h"

namespace vantrel {

// Runs `step` and gives back what it gives. An InOutError it raises is raised again with the
// same number and `file` (as the engine writes it) in its text; one that names a file
// already keeps it, since the innermost name is the one that failed.
template <typename Step>
decltype(auto) NamingFile(std::string_view file, Step&& step) {
  try {
    return std::forward<Step>(step)();
  } catch (const InOutError& error) {
    if (!error.file().empty()) throw;
    throw InOutError(error.code(), std::string(file));
  }
}

}  // namespace vantrel
