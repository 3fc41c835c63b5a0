#pragma once
// The window program's arguments on Windows, where a program's command line arrives as one
// UTF-16 text: split as Windows' own programs split it, each argument in UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::app {

// The arguments of `commandLine` (as GetCommandLineW gives it), without the program's name.
std::vector<std::string> ArgumentsOf(std::wstring_view commandLine);

}  // namespace vantrel::app
