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

// CreateProcessW, sharing this process's inheritable handles: the lock file of a folder this
// process holds among them (folder_lock_win32.cpp), so that the program keeps the folder
// while it runs, should we end first. The process handle, or none with the ShellExecute
// number of the failure in `result`.
detail::UniqueHandle StartProcess(std::string_view program, const std::vector<std::string>& args,
                                  ProgramConsole console, ConsoleOutput output, int& result) {
  std::wstring line = detail::Wide(detail::CommandLine(program, args));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  DWORD flags = 0;
  if (console == ProgramConsole::OwnWindow) {
    // As Explorer starts a console program: a console window of its own, shown normally,
    // whose input and output are the program's own.
    flags = CREATE_NEW_CONSOLE;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
  } else if (output == ConsoleOutput::ToErrorStream || console == ProgramConsole::ThisTerminalNoInput) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = ::GetStdHandle(output == ConsoleOutput::ToErrorStream ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  }
  // Its input the null device, inherited with the other handles.
  detail::UniqueHandle nothing;
  if (console == ProgramConsole::ThisTerminalNoInput) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    nothing = detail::UniqueHandle(::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                                 OPEN_EXISTING, 0, nullptr));
    startup.hStdInput = nothing.get();
  }
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr, &startup, &started)) {
    result = detail::ShellNumberForError(::GetLastError());
    return {};
  }
  const detail::UniqueHandle thread(started.hThread);
  result = 42;  // what ShellExecute returns on success: any number above 32
  return detail::UniqueHandle(started.hProcess);
}

}  // namespace

RunningProgram::RunningProgram(std::string_view program, const std::vector<std::string>& args, ProgramConsole console,
                               ConsoleOutput output)
    : program_(program) {
  detail::UniqueHandle handle = StartProcess(program, args, console, output, result_);
  if (handle.valid()) process_ = std::make_unique<Process>(Process{std::move(handle)});
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
