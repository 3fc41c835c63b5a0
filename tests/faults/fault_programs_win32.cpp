#include <windows.h>
#include <gtest/gtest.h>

#include "fault_programs.h"
#include "on_host.h"
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

bool ShellTellsFailedLines() { return false; }

bool MakeLink(const fs::path& target, const fs::path& link) {
  if (!UnderWine()) {
    fs::create_symlink(target, link);
    return true;
  }
  // CreateSymbolicLinkW reports success under Wine and makes nothing.
  return RunOnHost({"/bin/ln", "-s", HostPath(target), HostPath(link)}, [&] { return IsLink(link); });
}

// By where it leads: Wine shows the host's links as the files they lead to, without the
// reparse point attribute, but names the file reached as the host does.
bool IsLink(const fs::path& path) {
  const UniqueHandle file(::CreateFileW(path.wstring().c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) return false;
  std::wstring reached(MAX_PATH * 8, L'\0');
  const DWORD length = ::GetFinalPathNameByHandleW(file.get(), reached.data(), static_cast<DWORD>(reached.size()), 0);
  if (length == 0 || length >= reached.size()) return false;
  reached.resize(length);
  if (reached.starts_with(L"\\\\?\\")) reached.erase(0, 4);
  const std::wstring named = fs::absolute(path).make_preferred().wstring();
  return ::CompareStringOrdinal(reached.c_str(), -1, named.c_str(), -1, TRUE) != CSTR_EQUAL;
}

}  // namespace vantrel::testing
