#pragma once
// Internal to the platform layer (Windows): a copy that reaches its target whole or not at
// all. Not part of the layer's interface.
#include <string>

namespace vantrel::platform::detail {

// Copies `source` onto `target` (both as written, "\" or "/" separated): CopyFileW into a
// temporary beside the target (temporary_names.h), its bytes flushed to the disk, then moved
// over the target in one step, written through. A kill or a full disk leaves the old target
// as it was; a failed copy removes its temporary, and one that a dead process left in the
// folder goes the first time this process copies into it. Raises InOutError.
void CopyWhole(const std::string& source, const std::string& target);

}  // namespace vantrel::platform::detail
