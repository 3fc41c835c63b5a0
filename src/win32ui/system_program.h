#pragma once
// A file opened in the program the system has for it, as Explorer's double click would.
#include <functional>
#include <string>

namespace vantrel::win32ui {

using FileOpener = std::function<bool(const std::string& file)>;

// Opens `file` (relative to the current folder) in the program the system has for its kind,
// else in the one for plain texts: not every system knows ".log". False where it has neither.
bool OpenWithSystemHandler(const std::string& file);

}  // namespace vantrel::win32ui
