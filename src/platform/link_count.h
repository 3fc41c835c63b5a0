#pragma once
// How many names a file has. A write in place changes the file under every one of them, and
// another name may be anywhere on the same volume, outside the game among other places.
#include <cstdint>
#include <string_view>

namespace vantrel::platform {

// The names (hard links) of the file `path` names: 1 for a file with no other. Raises InOutError.
std::uint64_t LinkCount(std::string_view path);

}  // namespace vantrel::platform
