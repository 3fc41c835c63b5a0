#include "win32ui/archive_file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "platform/errors.h"
#include "platform/win32_text.h"
#include "window/form_view.h"

namespace vantrel::win32ui {

namespace {

// "Archives (*.zip *.7z ...)", "*.zip;*.7z;...", then every file: the pairs of a filter,
// each text ended by a nul, the whole by another.
std::wstring ArchiveFilter() {
  std::wstring shown;
  std::wstring masks;
  for (const std::string_view pattern : kArchivePatterns) {
    shown += (shown.empty() ? L"" : L" ") + platform::detail::Wide(pattern);
    masks += (masks.empty() ? L"" : L";") + platform::detail::Wide(pattern);
  }
  std::wstring filter = L"Archives (" + shown + L")";
  for (const std::wstring& text : {masks, std::wstring(L"All files (*.*)"), std::wstring(L"*.*")}) {
    filter += L'\0' + text;
  }
  return filter + L'\0';
}

}  // namespace

std::optional<std::string> ChooseArchiveFile(HWND owner) {
  const std::wstring filter = ArchiveFilter();
  const std::wstring title = platform::detail::Wide(kArchiveDialogTitle);
  std::vector<wchar_t> file(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (::GetOpenFileNameW(&dialog)) return platform::detail::Utf8(file.data());
  if (const DWORD error = ::CommDlgExtendedError()) {
    throw Error("The file dialog cannot be shown (error " + std::to_string(error) + ").");
  }
  return std::nullopt;
}

}  // namespace vantrel::win32ui
