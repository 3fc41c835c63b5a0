#pragma once
// Internal to the platform layer (Windows): a program started through the shell, as
// Explorer starts it, with its process kept so that the caller learns when it ends and
// with which exit code. Not part of the layer's interface.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/unique_handle.h"

namespace vantrel::platform::detail {

struct ShellStart {
  int result = 0;        // ShellExecute's: above 32 is success, else 2, 3, 5, 8, 11, ...
  UniqueHandle process;  // the started process, when the shell made one
};

// ShellExecute's number for a Win32 error of a failed start (GetLastError): its first
// numbers are Win32's own (2, 3, 5, 8, 11).
int ShellNumberForError(unsigned long err);

// ShellExecuteExW "open" of `program` with `parameters` in `folder` ("" the current one),
// shown normally.
ShellStart ShellOpen(std::string_view program, std::string_view parameters, std::string_view folder);

// Waits up to `milliseconds` for the process to end; its exit code, none while it still runs.
std::optional<unsigned long> WaitForExitCode(const UniqueHandle& process, unsigned long milliseconds);

// Quotes one argument so that the C runtime of the started program reads it back as it is.
std::string QuoteArgument(std::string_view argument);
// The program, when not "", and each argument quoted, blank-separated.
std::string CommandLine(std::string_view program, const std::vector<std::string>& args);

}  // namespace vantrel::platform::detail
