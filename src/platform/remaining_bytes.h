#pragma once
// Internal to the platform layer: the read to a file's end both backends' ReadAll make once
// they know the file's size.
#include <cstddef>
#include <functional>
#include <string>

namespace vantrel::platform::detail {

// Reads `size` bytes or up to the end of the file into `buffer`, as ReadFull does.
using ReadChunk = std::function<std::size_t(char* buffer, std::size_t size)>;

// Everything `read` gives until the file ends. `expected` is the file's size where the
// system could tell it, 0 where not: only room is made with it, the end is where a read
// comes back short. Raises what `read` raises.
std::string RemainingBytes(std::size_t expected, const ReadChunk& read);

}  // namespace vantrel::platform::detail
