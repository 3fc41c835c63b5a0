#pragma once
// Internal to the platform layer: the whole copy, the one way every system's copies are
// made (CopyFileKeepTime in files.h says what it guarantees). Not part of the layer's
// interface.
#include <string>
#include <string_view>

#include "platform/native_file.h"

namespace vantrel::platform::detail {

// Copies the open file `source` (at `sourcePath`) onto `target`, the place a write reaches
// (WriteTarget), its modification time kept: into a temporary beside the target
// (temporary_names.h), then put over the target in one step. A kill or a full disk leaves the
// old target as it was; a failed copy removes its temporary, and one that a dead process left
// in the folder goes the first time this process copies into it. `written` is the target as
// the caller wrote it, for the failures that name it. Raises InOutError.
void CopyWhole(NativeFile source, const std::string& sourcePath, const std::string& target, std::string_view written);

}  // namespace vantrel::platform::detail
