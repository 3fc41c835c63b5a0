#pragma once
// Starting programs, the operating-system family and the program's own path.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::platform {

// Starts `program` with `args` in the current folder and does not wait for it. When a
// desktop session and a terminal emulator are present it runs in a terminal window of
// its own; otherwise without a terminal (input from /dev/null). A program without a
// folder part is looked up on PATH. Returns a ShellExecute-like result: above 32 is
// success; 2 not found, 3 path not found, 5 access denied, 8 out of memory, 11 bad format.
int StartProgram(std::string_view program, const std::vector<std::string>& args);

// The terminal emulator that gives a started program a console window of its own, if a
// desktop session has one (it takes "-e PROGRAM ARGS..."). VANTREL_TERMINAL names one to
// prefer, or "none" for none.
std::optional<std::string> FindTerminal();

// Where a program run in this terminal writes its standard output.
enum class ConsoleOutput {
  Inherit,        // our standard output
  ToErrorStream,  // our standard error, so that our own output stays the program's result
};

// Runs `program` in this terminal, in the current folder, and waits for it.
// Returns its exit code; raises Error when it cannot be started.
int RunProgramAndWait(std::string_view program, const std::vector<std::string>& args,
                      ConsoleOutput output = ConsoleOutput::Inherit);

bool IsNtFamily();        // false on Linux
std::string OwnPath();    // the running program's file path
std::string OwnFolder();  // its folder, without a closing separator

}  // namespace vantrel::platform
