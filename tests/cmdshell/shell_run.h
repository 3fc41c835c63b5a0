#pragma once
// Runs a job script written to disk with CR LF lines through the interpreter, with the
// console captured (output and errors in one stream, in the order they were written).
#include <sstream>
#include <string>
#include <string_view>

#include "cmdshell/batch_interpreter.h"
#include "temp_dir.h"

namespace vantrel::cmdshell {

struct ShellRun {
  std::string console;
  int status = 0;
};

inline ShellRun RunScript(std::initializer_list<std::string_view> lines, std::string input = {}) {
  testing::WriteFileBytes("job.bat", testing::CrLf(lines));
  std::ostringstream console;
  TextInput in(std::move(input));
  ShellRun run;
  run.status = RunBatchFile("job.bat", {}, Console{console, console, in});
  run.console = console.str();
  return run;
}

// The console lines a script printed besides the echo of its commands.
inline bool Shows(const ShellRun& run, std::string_view line) {
  return run.console.find(std::string(line) + "\r\n") != std::string::npos;
}

}  // namespace vantrel::cmdshell
