#include "platform/process.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/errors.h"
#include "platform/handle_io.h"
#include "platform/names.h"
#include "platform/running_program.h"
#include "platform/shell_execute.h"
#include "platform/win32_text.h"

namespace vantrel::platform {
namespace detail {

int ShellNumberForError(unsigned long err) {
  if (err == ERROR_BAD_EXE_FORMAT) return ERROR_BAD_FORMAT;
  return err > 32 || err == 0 ? SE_ERR_NOASSOC : static_cast<int>(err);
}

std::optional<unsigned long> WaitForExitCode(const UniqueHandle& process, unsigned long milliseconds) {
  const DWORD waited = ::WaitForSingleObject(process.get(), milliseconds);
  if (waited == WAIT_TIMEOUT) return std::nullopt;
  DWORD code = 0;
  if (waited != WAIT_OBJECT_0 || !::GetExitCodeProcess(process.get(), &code)) ThrowLastError();
  return code;
}

// The C runtime's rules: backslashes are literal unless a quote follows them, where each
// pair stands for one backslash.
std::string QuoteArgument(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) return std::string(argument);
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

std::string CommandLine(std::string_view program, const std::vector<std::string>& args) {
  std::string line;
  for (const std::string& arg : args) line += " " + QuoteArgument(arg);
  return program.empty() ? line.substr(line.empty() ? 0 : 1) : QuoteArgument(program) + line;
}

}  // namespace detail

int StartProgram(std::string_view program, const std::vector<std::string>& args) {
  return RunningProgram(program, args).StartResult();
}

// No terminal emulator is needed: a console program gets a console window from Windows.
std::optional<std::string> FindTerminal() { return std::nullopt; }

bool IsNtFamily() { return true; }

std::string OwnPath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) detail::ThrowLastError();
    if (length < buffer.size()) {
      buffer.resize(length);
      return detail::Utf8(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string OwnFolder() {
  std::string path = OwnPath();
  const std::size_t sep = path.find_last_of("\\/");
  return sep == std::string::npos ? std::string(".") : path.substr(0, sep);
}

}  // namespace vantrel::platform
