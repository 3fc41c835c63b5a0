#include "app/command_line.h"

#include <ostream>

#include "platform/errors.h"
#include "vantrel_version.h"

namespace vantrel::app {

namespace {

void PrintHelp(std::ostream& out) {
  out << "Usage: " << kProgram << " [FOLDER]\n"
      << "Opens the window that installs and removes game patches in a working folder of the game:\n"
         "FOLDER when given, else the current folder when it is one, else the folder picked in a\n"
         "folder dialog, which starts at the one used last. A working folder lies in the game's\n"
         "folder, beside its archives (rb.vol) or its other working folders (Multi, Simpatch,\n"
         "Shellpat, 3dpatch); the game's folder itself is none. A FOLDER that is none is refused\n"
         "with the reason, and the dialog asks for another.\n\n"
         "Options:\n"
         "  -h, --help   show this help\n"
         "  --version    show the version\n"
      << kToolkitOptions;
}

}  // namespace

std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args, std::ostream& out) {
  for (const std::string& arg : args) {
    if (AnswerInfoOption(arg, kProgram, PrintHelp, out)) return 0;
  }
  return std::nullopt;
}

std::string FolderArgument(const std::vector<std::string>& args) {
  std::string folder;
  for (const std::string& arg : args) {
    if (arg.size() > 1 && arg[0] == '-') throw UsageError("unknown option '" + arg + "'");
    if (!folder.empty()) throw UsageError("one working folder only, not '" + folder + "' and '" + arg + "'");
    if (arg.empty()) throw UsageError("the working folder has no name");
    folder = arg;
  }
  return folder;
}

}  // namespace vantrel::app
