#pragma once
// Internal to the platform layer: a name put after its folder, as each system writes paths.
#include <string>

namespace vantrel::platform::detail {

// folder + separator + name, "/" on POSIX and "\" on Windows, without doubling a separator
// the folder ends in, and with "" meaning the current folder.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace vantrel::platform::detail
