#pragma once
// Internal to the platform layer: the open file the file classes own, a descriptor on POSIX
// and a handle on Windows. The classes' members are of this type, so the choice has to be
// made in a header; this is the one place that asks which system it is built for.
#ifdef _WIN32
#include "platform/unique_handle.h"
namespace vantrel::platform::detail {
using NativeFile = UniqueHandle;
}  // namespace vantrel::platform::detail
#else
#include "platform/unique_fd.h"
namespace vantrel::platform::detail {
using NativeFile = UniqueFd;
}  // namespace vantrel::platform::detail
#endif
