#pragma once
// The window program's command line: vantrel [FOLDER], --help, --version.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::app {

inline constexpr const char* kProgram = "vantrel";

// --help (-h) and --version anywhere among `args` (without argv[0]) are answered on `out`
// before Qt starts, so that they need no display. Returns the exit status when answered.
std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args, std::ostream& out);

// The working folder named by the arguments Qt left over, "" when none. Raises UsageError
// for an option or a second folder.
std::string FolderArgument(const std::vector<std::string>& args);

}  // namespace vantrel::app
