// vantrel-cmd [--status-file FILE] /C SCRIPT [ARGUMENTS...]: runs a job script in the current
// folder the way cmd does. Exits with 0 when every command did its work, otherwise non-zero
// after listing the lines that failed. With --status-file, says in FILE that it runs and,
// at the end, how it ended: for a window that started it in a terminal window.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cmdshell/batch_interpreter.h"
#include "platform/game_tree.h"
#include "platform/job_status.h"
#include "platform/names.h"

int main(int argc, char** argv) {
  using namespace vantrel::cmdshell;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string statusFile;
  if (args.size() >= 2 && args[0] == "--status-file") {
    statusFile = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() < 2 || !vantrel::platform::SameNameIgnoringCase(args[0], "/C")) {
    std::cerr << "Usage: vantrel-cmd /C SCRIPT [ARGUMENTS...]\n";
    if (!statusFile.empty()) vantrel::platform::WriteJobEnded(statusFile, 1);
    return 1;
  }
  if (!statusFile.empty()) vantrel::platform::WriteJobRunning(statusFile);
  // A job changes the game's files and nothing else, whatever a link in the game points at.
  vantrel::platform::ConfineWritesToGameTree(true);
  TerminalInput input(STDIN_FILENO);
  const int status = RunBatchFile(args[1], {args.begin() + 2, args.end()}, Console{std::cout, std::cerr, input});
  std::cout.flush();
  if (!statusFile.empty()) vantrel::platform::WriteJobEnded(statusFile, status);
  return status;
}
