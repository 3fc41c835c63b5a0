#include <windows.h>
#include <gtest/gtest.h>

#include "fault_programs.h"
#include "platform/process.h"
#include "platform/shell_execute.h"
#include "platform/unique_handle.h"
#include "platform/win32_text.h"
#include "temp_dir.h"
#include "under_wine.h"

namespace vantrel::testing {

namespace fs = std::filesystem;
using platform::detail::UniqueHandle;

namespace {

// The exit code TerminateProcess gives a struck program: no program of ours ends with it.
constexpr UINT kStruck = 0x5EB;

UniqueHandle Inherited(const fs::path& file, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return UniqueHandle(::CreateFileW(file.wstring().c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                    disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Ours beside the test with ".exe"; the job shell, "cmd", as Windows finds it.
std::string ProgramPath(std::string_view program) {
  return program == "cmd" ? std::string(program) : platform::OwnFolder() + "\\" + std::string(program) + ".exe";
}

// Started in `folder` with input and output the null device and errors to `errors`.
UniqueHandle Start(std::string_view program, const std::vector<std::string>& args, const fs::path& folder,
                   const UniqueHandle& errors) {
  const UniqueHandle null = Inherited("NUL", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = null.get();
  startup.hStdOutput = null.get();
  startup.hStdError = errors.valid() ? errors.get() : null.get();
  std::wstring line = platform::detail::Wide(platform::detail::CommandLine(ProgramPath(program), args));
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.wstring().c_str(), &startup,
                        &started)) {
    ADD_FAILURE() << "cannot start " << program << ": error " << ::GetLastError();
    return {};
  }
  ::CloseHandle(started.hThread);
  return UniqueHandle(started.hProcess);
}

DWORD ExitCodeOf(const UniqueHandle& process) {
  DWORD code = 0;
  ::GetExitCodeProcess(process.get(), &code);
  return code;
}

}  // namespace

ProgramResult RunOurs(std::string_view program, const std::vector<std::string>& args, const fs::path& folder) {
  const fs::path errorsFile = fs::temp_directory_path() / ("vantrel-fault-errors-" + std::to_string(::GetCurrentProcessId()));
  ProgramResult result;
  {
    const UniqueHandle errors = Inherited(errorsFile, GENERIC_WRITE, CREATE_ALWAYS);
    const UniqueHandle process = Start(program, args, folder, errors);
    if (!process.valid()) return result;
    ::WaitForSingleObject(process.get(), INFINITE);
    result.status = static_cast<int>(ExitCodeOf(process));
  }
  result.errors = ReadFileBytes(errorsFile);
  fs::remove(errorsFile);
  return result;
}

std::string JobShell() { return "cmd"; }
bool ShellCopiesWhole() { return false; }

struct StruckProgram::Process {
  UniqueHandle handle;
};

StruckProgram::StruckProgram(std::string_view program, const std::vector<std::string>& args, const fs::path& folder)
    : process_(std::make_unique<Process>(Process{Start(program, args, folder, UniqueHandle())})) {}

StruckProgram::~StruckProgram() {
  if (Running()) Kill(true);
  EndedByKill();
}

bool StruckProgram::Running() {
  return process_->handle.valid() && ::WaitForSingleObject(process_->handle.get(), 0) == WAIT_TIMEOUT;
}

void StruckProgram::Kill(bool) {
  if (Running()) ::TerminateProcess(process_->handle.get(), kStruck);
}

bool StruckProgram::EndedByKill() {
  if (!process_->handle.valid()) return false;
  ::WaitForSingleObject(process_->handle.get(), INFINITE);
  return ExitCodeOf(process_->handle) == kStruck;
}

fs::path WithoutPathLimit(const fs::path& folder) {
  return fs::path(L"\\\\?\\" + fs::absolute(folder).make_preferred().wstring());
}

std::string WhyNoLinksOutOfTheGame() {
  if (!UnderWine()) return "";
  return "the test lays its links in the game it lays, which Wine cannot: CreateSymbolicLinkW does nothing there, "
         "and a link the host laid cannot be moved into the game, since Wine's move takes the file it leads to";
}

std::string WhyNoRefusedWrites() {
  return UnderWine() ? "under Wine the read-only attribute is the host file's permission bits, which root ignores, "
                       "and a Windows program cannot set the host's immutable flag"
                     : "the test makes its files immutable with chattr, which Windows has not";
}

}  // namespace vantrel::testing
