#pragma once
// Internal to the platform layer: the whole of a folder of ours, made durable or taken
// away. Symbolic links inside are never followed, so nothing outside it is reached. Not
// part of the layer's interface.
#include <string>

namespace vantrel::platform::detail {

// Removes the folder `posixPath` names and all it holds. True when all is gone; a failure
// leaves the rest in place and raises nothing: callers are cleaning up after another
// failure or a dead process, and the next sweep tries again.
bool RemoveTree(const std::string& posixPath) noexcept;

// Flushes every file and folder below `posixPath`, and the folder itself, to the disk (with
// whatever else of that file system waits to be written). Raises InOutError.
void SyncTree(const std::string& posixPath);

}  // namespace vantrel::platform::detail
