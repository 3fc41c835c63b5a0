#pragma once
// The length of a file, read and set by name, for a change that has to be undone whole:
// a record written past the end of a file has made it longer.
#include <cstdint>
#include <string_view>

namespace vantrel::platform {

std::uint64_t FileLength(std::string_view path);              // raises InOutError
void SetFileLength(std::string_view path, std::uint64_t length);  // cuts or extends; raises InOutError

}  // namespace vantrel::platform
