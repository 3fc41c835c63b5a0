#include "platform/running_program.h"

#include <windows.h>

#include <utility>

#include "platform/errors.h"
#include "platform/shell_execute.h"
#include "platform/win32_text.h"

namespace vantrel::platform {

struct RunningProgram::Process {
  detail::UniqueHandle handle;
};

namespace {

// CreateProcessW in this console, sharing its handles; the process handle, or none with
// the ShellExecute number of the failure in `result`.
detail::UniqueHandle StartInThisConsole(std::string_view program, const std::vector<std::string>& args,
                                        ConsoleOutput output, int& result) {
  std::wstring line = detail::Wide(detail::CommandLine(program, args));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (output == ConsoleOutput::ToErrorStream) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = ::GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started)) {
    result = detail::ShellNumberForError(::GetLastError());
    return {};
  }
  const detail::UniqueHandle thread(started.hThread);
  result = 42;  // what ShellExecute returns on success: any number above 32
  return detail::UniqueHandle(started.hProcess);
}

}  // namespace

// A window of its own is how Explorer starts cmd: through the shell, shown normally, in
// the current folder, its process kept for the exit code.
RunningProgram::RunningProgram(std::string_view program, const std::vector<std::string>& args, ProgramConsole console,
                               ConsoleOutput output)
    : program_(program) {
  detail::UniqueHandle handle;
  if (console == ProgramConsole::OwnWindow) {
    detail::ShellStart started = detail::ShellOpen(program, detail::CommandLine("", args), "");
    result_ = started.result;
    handle = std::move(started.process);
  } else {
    handle = StartInThisConsole(program, args, output, result_);
  }
  if (result_ > 32 && handle.valid()) process_ = std::make_unique<Process>(Process{std::move(handle)});
}

RunningProgram::~RunningProgram() = default;
RunningProgram::RunningProgram(RunningProgram&& other) noexcept = default;
RunningProgram& RunningProgram::operator=(RunningProgram&& other) noexcept = default;

std::optional<int> RunningProgram::ExitCode() {
  RequireStarted();
  if (!exitCode_) {
    if (const auto code = detail::WaitForExitCode(process_->handle, 0)) exitCode_ = static_cast<int>(*code);
  }
  return exitCode_;
}

int RunningProgram::Wait() {
  RequireStarted();
  if (!exitCode_) exitCode_ = static_cast<int>(*detail::WaitForExitCode(process_->handle, INFINITE));
  return *exitCode_;
}

}  // namespace vantrel::platform
