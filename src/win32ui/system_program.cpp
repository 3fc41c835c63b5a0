#include "win32ui/system_program.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <vector>

#include "platform/win32_text.h"

namespace vantrel::win32ui {

namespace {

// Whether the system has an "open" command for the kind (an extension or a class).
bool HasOpenCommand(const std::wstring& kind) {
  DWORD length = 0;
  return ::AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_COMMAND, kind.c_str(), L"open", nullptr, &length) ==
         S_FALSE;
}

std::wstring FullPath(const std::wstring& path) {
  std::vector<wchar_t> full(32768, L'\0');
  const DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  return length == 0 || length >= full.size() ? path : std::wstring(full.data(), length);
}

}  // namespace

bool OpenWithSystemHandler(const std::string& file) {
  const std::wstring path = FullPath(platform::detail::Wide(file));
  const wchar_t* dot = ::PathFindExtensionW(path.c_str());
  for (const std::wstring& kind : {std::wstring(dot), std::wstring(L".txt")}) {
    if (kind.empty() || !HasOpenCommand(kind)) continue;
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof(run);
    run.fMask = SEE_MASK_CLASSNAME | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    run.lpClass = kind.c_str();
    run.lpVerb = L"open";
    run.lpFile = path.c_str();
    run.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExW(&run) != FALSE;
  }
  return false;
}

}  // namespace vantrel::win32ui
