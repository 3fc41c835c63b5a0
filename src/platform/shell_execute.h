#pragma once
// Internal to the platform layer (Windows): what starting a program and keeping its process
// share: ShellExecute's numbers for a failed start, the wait for its exit code, and the
// command line that passes its arguments. Not part of the layer's interface.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/unique_handle.h"

namespace vantrel::platform::detail {

// ShellExecute's number for a Win32 error of a failed start (GetLastError): its first
// numbers are Win32's own (2, 3, 5, 8, 11).
int ShellNumberForError(unsigned long err);

// Waits up to `milliseconds` for the process to end; its exit code, none while it still runs.
std::optional<unsigned long> WaitForExitCode(const UniqueHandle& process, unsigned long milliseconds);

// Quotes one argument so that the C runtime of the started program reads it back as it is.
std::string QuoteArgument(std::string_view argument);
// The program, when not "", and each argument quoted, blank-separated.
std::string CommandLine(std::string_view program, const std::vector<std::string>& args);

}  // namespace vantrel::platform::detail
