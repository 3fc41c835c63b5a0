#include "platform/win32_text.h"

#include <windows.h>

#include "platform/errors.h"

namespace vantrel::platform::detail {

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (length == 0) throw InOutError(3);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  // A file name (255 units at most, 3 bytes each at worst) converts in one call: searches
  // convert every name they return.
  char local[768];
  const int converted = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, local, sizeof local, nullptr, nullptr);
  if (converted > 0) return std::string(local, static_cast<std::size_t>(converted));
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace vantrel::platform::detail
