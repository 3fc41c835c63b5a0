#pragma once
// The room left on the disk that holds a folder, so that a large write can be refused
// before it starts instead of failing halfway.
#include <cstdint>
#include <string_view>

namespace vantrel::platform {

// Bytes an unprivileged writer may still use on the file system of `folder` ("" being the
// current folder). Raises InOutError naming the folder when it cannot be looked at.
std::uint64_t FreeSpace(std::string_view folder);

}  // namespace vantrel::platform
