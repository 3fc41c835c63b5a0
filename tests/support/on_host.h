#pragma once
// Under Wine: what only the host can do for a test (make a symbolic link, make a file
// immutable), done by running the host's own program. Windows builds only.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vantrel::testing {

// Runs the host's program `argv` (its path first) through Wine's "start /unix", which does
// not wait for it to end: `done` is then asked until it holds, for up to ten seconds.
// False when it could not be started or `done` never held.
bool RunOnHost(const std::vector<std::string>& argv, const std::function<bool()>& done);

// The host's path for a Windows one, as Wine maps it; "" where it cannot.
std::string HostPath(const std::filesystem::path& path);

}  // namespace vantrel::testing
