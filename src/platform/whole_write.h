#pragma once
// A small file of the tool's own written whole: a kill or a power cut leaves the old
// content or the new, never a part of either.
#include <string_view>

namespace vantrel::platform {

// Writes `bytes` beside `path` first, then copies them into place as every copy of the
// layer is made (a temporary flushed and renamed). Raises InOutError.
void WriteFileWhole(std::string_view path, std::string_view bytes);

}  // namespace vantrel::platform
