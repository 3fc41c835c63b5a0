#pragma once
// The window program's command line: vantrel [FOLDER], --help, --version.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::app {

inline constexpr const char* kProgram = "vantrel";

// What --help says of the options of the toolkit underneath: Qt's on Linux
// (command_line_qt.cpp), none on Windows (command_line_win32.cpp).
extern const char* const kToolkitOptions;

// --help (-h) and --version anywhere among `args` (without argv[0]) are answered on `out`
// before the window's toolkit starts, so that they need no display. Returns the exit status
// when answered.
std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args, std::ostream& out);

// The working folder named by the arguments the toolkit left over, "" when none. Raises UsageError
// for an option or a second folder.
std::string FolderArgument(const std::vector<std::string>& args);

}  // namespace vantrel::app
