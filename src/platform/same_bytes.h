#pragma once
// Internal to the platform layer: the byte-for-byte comparison both backends' SameContent
// make once they have opened the two files.
#include <cstddef>
#include <functional>

namespace vantrel::platform::detail {

// Reads `size` bytes or up to the end of file `side` (0 or 1) into `buffer`, as ReadFull does.
using ReadSide = std::function<std::size_t(int side, char* buffer, std::size_t size)>;

// Whether both files hold the same bytes to their ends. Raises what `read` raises.
bool SameBytes(const ReadSide& read);

}  // namespace vantrel::platform::detail
