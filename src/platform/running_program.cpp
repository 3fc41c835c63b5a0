#include "platform/running_program.h"

#include "platform/errors.h"

namespace vantrel::platform {

void RunningProgram::RequireStarted() const {
  if (!Started()) throw Error("Cannot run " + program_);
}

int RunProgramAndWait(std::string_view program, const std::vector<std::string>& args, ConsoleOutput output) {
  RunningProgram running(program, args, ProgramConsole::ThisTerminal, output);
  return running.Wait();
}

}  // namespace vantrel::platform
