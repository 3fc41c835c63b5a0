#include <windows.h>

#include "platform/names.h"
#include "platform/win32_text.h"
#include "rbext/run_shell.h"

namespace vantrel {

// Windows' own cmd, named by its whole path in the system folder: a program started by a bare
// name is looked for in the current folder first, and there, in the game, a cmd.exe that no
// one meant to run could stand.
std::string ShellExecutableFor(std::string_view program) {
  if (!platform::SameNameIgnoringCase(program, "cmd")) return std::string(program);
  std::wstring folder(MAX_PATH, L'\0');
  const UINT length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  if (length == 0 || length >= folder.size()) return std::string(program);
  folder.resize(length);
  return platform::detail::Utf8(folder) + "\\cmd.exe";
}

}  // namespace vantrel
