// vantrel-cmd /C SCRIPT [ARGUMENTS...]: runs a job script in the current folder the way
// cmd does. Exits with 0 when every command did its work, otherwise non-zero after listing
// the lines that failed.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cmdshell/batch_interpreter.h"
#include "platform/game_tree.h"
#include "platform/names.h"

int main(int argc, char** argv) {
  using namespace vantrel::cmdshell;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 2 || !vantrel::platform::SameNameIgnoringCase(args[0], "/C")) {
    std::cerr << "Usage: vantrel-cmd /C SCRIPT [ARGUMENTS...]\n";
    return 1;
  }
  // A job changes the game's files and nothing else, whatever a link in the game points at.
  vantrel::platform::ConfineWritesToGameTree(true);
  TerminalInput input(STDIN_FILENO);
  const int status = RunBatchFile(args[1], {args.begin() + 2, args.end()}, Console{std::cout, std::cerr, input});
  std::cout.flush();
  return status;
}
