#pragma once
// Where the window program keeps the working folder it entered last, between runs: in Qt's
// settings on Linux (folder_memory_qt.cpp), in the user's part of the registry on Windows
// (folder_memory_win32.cpp).
#include <string>

namespace vantrel::app {

// The folder remembered last, in UTF-8; "" before the first time.
std::string RememberedFolder();
// Remembers `folder` ("" forgets). Raises Error when the memory cannot be written.
void RememberFolder(const std::string& folder);

}  // namespace vantrel::app
