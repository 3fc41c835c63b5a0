#pragma once
// Internal to the platform layer (Windows): the program keeps every text in UTF-8 and Win32
// takes UTF-16, so each call converts here and nowhere else.
#include <string>
#include <string_view>

namespace vantrel::platform::detail {

// Raises InOutError 3 ("Invalid filename") for bytes that are not UTF-8: such a name can
// be neither found nor created.
std::wstring Wide(std::string_view utf8);
// An unpaired surrogate (a name no UTF-8 can hold) becomes U+FFFD.
std::string Utf8(std::wstring_view wide);

}  // namespace vantrel::platform::detail
