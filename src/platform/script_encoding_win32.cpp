#include "platform/script_encoding.h"

#include <windows.h>

#include <optional>

#include "platform/errors.h"

namespace vantrel::platform {
namespace {

// The text in the OEM code page, or none when a character has no form of its own there.
// A system set to UTF-8 for its console takes the text as it is.
std::optional<std::string> InOemCodePage(std::string_view utf8) {
  const UINT codePage = ::GetOEMCP();
  if (utf8.empty()) return std::string();
  const int size = static_cast<int>(utf8.size());
  const int wideLength = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (wideLength == 0) return std::nullopt;  // not UTF-8: no character to convert
  if (codePage == CP_UTF8) return std::string(utf8);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), wideLength);
  BOOL usedDefault = FALSE;
  const int length = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0,
                                           nullptr, &usedDefault);
  if (length == 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, bytes.data(), length, nullptr,
                        &usedDefault);
  if (usedDefault) return std::nullopt;
  return bytes;
}

}  // namespace

bool ScriptEncodingHolds(std::string_view utf8) { return InOemCodePage(utf8).has_value(); }

std::string ToScriptEncoding(std::string_view utf8) {
  std::optional<std::string> bytes = InOemCodePage(utf8);
  if (!bytes) throw Error("Cannot write in " + ScriptEncodingName() + ": " + std::string(utf8));
  return *bytes;
}

std::string ScriptEncodingName() { return "code page " + std::to_string(::GetOEMCP()); }

}  // namespace vantrel::platform
