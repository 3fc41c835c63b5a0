// vantrel-cmd [--status-file FILE] /C SCRIPT [ARGUMENTS...]: runs a job script in the current
// folder the way cmd does. Exits with 0 when every command did its work, otherwise non-zero
// after listing the lines that failed. With --status-file, says in FILE that it runs and,
// at the end, how it ended: for a window that started it in a terminal window.
#include <unistd.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cmdshell/batch_interpreter.h"
#include "platform/folder_lock.h"
#include "platform/game_tree.h"
#include "platform/job_status.h"
#include "platform/names.h"
#include "vantrel_version.h"

namespace {

constexpr char kProgram[] = "vantrel-cmd";
constexpr char kUsage[] = "Usage: vantrel-cmd /C SCRIPT [ARGUMENTS...]\n";

void PrintHelp(std::ostream& out) {
  out << kUsage
      << "Runs the batch job SCRIPT in the current folder, for the commands Vantrel's job scripts\n"
         "use, the way the Windows command shell runs them. Exits with 0 when every command did\n"
         "its work, otherwise with 1 after naming the lines that failed.\n\n"
         "  /C SCRIPT [ARGUMENTS...]  run SCRIPT; ARGUMENTS are its %1, %2, ...\n"
         "  /?, -h, --help            show this help\n"
         "  --version                 show the version\n";
}

// The folder is the job's for its whole run, whoever started it and whether or not that one
// is still there: a front end killed during a pause must not let a second job in beside
// this one. A front end that holds the lock hands it over, so taking it does not wait.
int RunLocked(const std::string& script, const std::vector<std::string>& arguments) {
  std::optional<vantrel::platform::FolderLock> lock;
  try {
    lock.emplace();
  } catch (const std::exception& e) {
    std::cerr << kProgram << ": " << e.what() << '\n';
    return 1;
  }
  // A job changes the game's files and nothing else, whatever a link in the game points at.
  vantrel::platform::ConfineWritesToGameTree(true);
  vantrel::cmdshell::TerminalInput input(STDIN_FILENO);
  return vantrel::cmdshell::RunBatchFile(script, arguments, vantrel::cmdshell::Console{std::cout, std::cerr, input});
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vantrel::cmdshell;
  std::vector<std::string> args(argv + 1, argv + argc);
  // "/?" as the Windows command shell takes it, besides the options of our other programs.
  if (args.size() == 1 && (vantrel::AnswerInfoOption(args[0] == "/?" ? "--help" : args[0], kProgram, PrintHelp,
                                                     std::cout))) {
    return 0;
  }
  // For the window that started the job in a terminal window; not for users, so not in the help.
  std::string statusFile;
  if (args.size() >= 2 && args[0] == "--status-file") {
    statusFile = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() < 2 || !vantrel::platform::SameNameIgnoringCase(args[0], "/C")) {
    std::cerr << kUsage;
    if (!statusFile.empty()) vantrel::platform::WriteJobEnded(statusFile, 1);
    return 1;
  }
  if (!statusFile.empty()) vantrel::platform::WriteJobRunning(statusFile);
  const int status = RunLocked(args[1], {args.begin() + 2, args.end()});
  std::cout.flush();
  if (!statusFile.empty()) vantrel::platform::WriteJobEnded(statusFile, status);
  return status;
}
