#include <windows.h>

#include "app/folder_memory.h"
#include "platform/errors.h"
#include "platform/win32_text.h"

namespace vantrel::app {

namespace {

// The user's own part of the registry, where a Windows program keeps what it remembers. The
// key and value are those Qt's settings of the Linux window ("start/folder" of
// "Vantrel"/"Vantrel") would have on Windows, so both windows keep it in one place.
constexpr const wchar_t* kKey = L"Software\\Vantrel\\Vantrel\\start";
constexpr const char* kKeyName = "HKEY_CURRENT_USER\\Software\\Vantrel\\Vantrel\\start";

[[noreturn]] void Raise(LSTATUS status) {
  throw InOutError(InOutError::CodeForWindowsError(static_cast<unsigned long>(status)), kKeyName);
}

}  // namespace

namespace detail {

std::string Recall(const char* name) {
  const std::wstring value = platform::detail::Wide(name);
  DWORD bytes = 0;
  LSTATUS status = ::RegGetValueW(HKEY_CURRENT_USER, kKey, value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
  if (status == ERROR_FILE_NOT_FOUND) return "";  // nothing remembered yet
  std::wstring folder;
  // The value may change between the two calls: asked again while it grows.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    folder.assign(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(folder.size() * sizeof(wchar_t));
    status = ::RegGetValueW(HKEY_CURRENT_USER, kKey, value.c_str(), RRF_RT_REG_SZ, nullptr, folder.data(), &bytes);
    if (status == ERROR_SUCCESS) {
      folder.resize(bytes / sizeof(wchar_t));
      while (!folder.empty() && folder.back() == L'\0') folder.pop_back();
      return platform::detail::Utf8(folder);
    }
  }
  if (status == ERROR_FILE_NOT_FOUND) return "";
  Raise(status);
}

void Store(const char* name, const std::string& stored) {
  const std::wstring value = platform::detail::Wide(name);
  const std::wstring text = platform::detail::Wide(stored);
  HKEY key = nullptr;
  LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) Raise(status);
  status = ::RegSetValueExW(key, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(key);
  if (status != ERROR_SUCCESS) Raise(status);
}

}  // namespace detail

}  // namespace vantrel::app
