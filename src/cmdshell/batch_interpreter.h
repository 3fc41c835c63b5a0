#pragma once
// Runs batch lines the way cmd runs them inside a script.
#include <string>
#include <string_view>
#include <vector>

#include "cmdshell/command_context.h"
#include "cmdshell/console.h"
#include "cmdshell/line_parser.h"
#include "cmdshell/percent_expansion.h"

namespace vantrel::cmdshell {

class BatchInterpreter {
 public:
  // `arguments` are %0 (the script's name) to %9 and beyond.
  BatchInterpreter(Console console, std::vector<std::string> arguments,
                   EnvironmentLookup environment = ProcessEnvironment);

  // One script line: "%" expansion, the echo of the command while echo is on, then the
  // commands. Nothing on a line stops the script: failures are reported on the console.
  void RunLine(std::string_view line);
  void RunLines(const std::vector<std::string>& lines);

  const ShellState& state() const { return state_; }
  // The lines on which a command failed to do its work, as written in the script.
  const std::vector<std::string>& failedLines() const { return failedLines_; }

 private:
  struct Handles {
    std::ostream* out;
    std::ostream* err;
    InputSource* in;
  };
  bool RunSequence(const Sequence& sequence, Handles handles);
  bool RunCommand(const Command& command, Handles handles);
  bool RunSimple(const SimpleCommand& command, Handles handles);
  CommandResult RunNamed(const SimpleCommand& command, CommandContext& ctx);
  bool TestHolds(const IfCommand& command) const;

  Console console_;
  std::vector<std::string> arguments_;
  EnvironmentLookup environment_;
  ShellState state_;
  std::vector<std::string> failedLines_;
  bool lineFailed_ = false;
  bool levelIsOutcome_ = true;  // the last command's errorlevel says whether it did its work
};

// Reads the whole script first (so a script that deletes itself still runs to its end),
// runs it, and returns the exit status: 0 when every command did its work; otherwise the
// errorlevel (1 at least, 255 when it does not fit), after listing the failed lines on the
// error stream.
int RunBatchFile(std::string_view path, const std::vector<std::string>& arguments, Console console);

}  // namespace vantrel::cmdshell
