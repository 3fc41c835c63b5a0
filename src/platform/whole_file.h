#pragma once
// Internal to the platform layer: a whole file read at once, as each backend opens files.
#include <string>
#include <string_view>

namespace vantrel::platform::detail {

// The bytes of the file `path` names (as the system writes paths); raises InOutError.
std::string ReadWholeFile(std::string_view path);

}  // namespace vantrel::platform::detail
