#pragma once
// Starts a program on a job script and reports a failure to start it.
#include <string>
#include <string_view>

#include "platform/running_program.h"
#include "rbext/message_hook.h"

namespace vantrel {

// The shell job scripts run in, as the system names it: "cmd" on the NT family of Windows,
// "command" on the others (and here, where both stand for vantrel-cmd).
std::string JobShellProgram();

// Starts `program` with `parameters` (split at blanks) in the current folder and does not
// wait. "cmd" and "command" name our batch interpreter, vantrel-cmd, beside this program.
// A result of 32 or less is a failure: `owner` is shown
// "Error #N executing PROGRAM PARAMETERS". Returns the result.
int RunShell(const MessageHook& owner, std::string_view program, std::string_view parameters);

// The same, the started shell kept, for a caller that waits for its outcome: it runs in a
// console window of its own (platform::ProgramConsole::OwnWindow). A shell that did not
// start has been told to `owner` and is not Started().
platform::RunningProgram StartShellJob(const MessageHook& owner, std::string_view program,
                                       std::string_view parameters);

// "Error #N executing PROGRAM PARAMETERS": what the user is told when the shell cannot start.
std::string ShellFailureText(int result, std::string_view program, std::string_view parameters);

// The executable that stands for a shell program name. On Linux "cmd" and "command" map to
// vantrel-cmd in this program's folder; on Windows "cmd" maps to the system folder's
// cmd.exe; any other name is used as given.
std::string ShellExecutableFor(std::string_view program);

}  // namespace vantrel
