#include "win32ui/file_dialogs.h"

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

// The dialog with its filter pairs, in the folder where it was last, the current folder
// kept as it was.
std::optional<std::string> AskForFile(HWND owner, std::string_view title, const std::wstring& filter, bool toSave) {
  const std::wstring caption = platform::detail::Wide(title);
  std::vector<wchar_t> file(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = caption.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (toSave) {
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = L"set";
  } else {
    dialog.Flags |= OFN_FILEMUSTEXIST;
  }
  if (toSave ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog)) return platform::detail::Utf8(file.data());
  if (const DWORD error = ::CommDlgExtendedError()) {
    throw Error("The file dialog cannot be shown (error " + std::to_string(error) + ").");
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ChooseArchiveFile(HWND owner) {
  return AskForFile(owner, kArchiveDialogTitle, ArchiveFilter(), false);
}

std::optional<std::string> ChooseSetFile(HWND owner, bool toSave) {
  static const wchar_t kFilter[] = L"Patch sets (*.set)\0*.set\0All files (*.*)\0*.*\0";
  return AskForFile(owner, toSave ? kExportSetTitle : kImportSetTitle,
                    std::wstring(kFilter, sizeof kFilter / sizeof kFilter[0] - 1), toSave);
}

}  // namespace vantrel::win32ui
