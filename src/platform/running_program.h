#pragma once
// A program started and kept: the caller learns when it ends and with which exit code, by
// asking now and then (a window's timer, so that its message loop goes on) or by waiting.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/process.h"

namespace vantrel::platform {

// Where the started program's console is.
enum class ProgramConsole {
  // A window of its own: on Windows a new console window, shown normally, as Explorer
  // starts a console program. On POSIX the program runs without a terminal (input and output
  // /dev/null) in a session of its own: a terminal emulator's exit would say nothing of the
  // program's.
  OwnWindow,
  // This program's terminal or console, its input shared; `output` says where it writes.
  ThisTerminal,
  // As ThisTerminal, but its input is the null device: a pause in it goes on at once. For
  // jobs run one after another with nobody to answer them.
  ThisTerminalNoInput,
};

class RunningProgram {
 public:
  // Starts `program` with `args` in the current folder and does not wait. A program without
  // a folder part is looked up on the search path. Whether it started is StartResult's,
  // never an exception. The folder lock this process holds goes with it (folder_lock.h).
  RunningProgram(std::string_view program, const std::vector<std::string>& args,
                 ProgramConsole console = ProgramConsole::OwnWindow, ConsoleOutput output = ConsoleOutput::Inherit);
  // A program still running goes on; the process is no longer watched.
  ~RunningProgram();
  RunningProgram(RunningProgram&& other) noexcept;
  RunningProgram& operator=(RunningProgram&& other) noexcept;
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // ShellExecute's number: above 32 when the program started; 2 not found, 3 path not
  // found, 5 access denied, 8 out of memory, 11 bad format.
  int StartResult() const { return result_; }
  bool Started() const { return process_ != nullptr; }

  // The exit code once the program has ended, none while it runs; never blocks. A program
  // killed by a signal ends with 128 + the signal, as a POSIX shell tells it. Raises Error
  // for a program that did not start.
  std::optional<int> ExitCode();
  // Blocks until the program ends; its exit code. Raises Error for one that did not start.
  int Wait();

 private:
  struct Process;  // the backend's process id or handle
  void RequireStarted() const;

  std::string program_;
  int result_ = 0;
  std::unique_ptr<Process> process_;
  std::optional<int> exitCode_;
};

}  // namespace vantrel::platform
