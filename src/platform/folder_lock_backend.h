#pragma once
// Internal to the platform layer: what FolderLock asks of each system.
#include <string>

#include "platform/native_file.h"

namespace vantrel::platform::detail {

// The current folder's identity, the same for every path to it; raises InOutError.
std::string CurrentFolderIdentity();
// The lock file of the current folder, created when missing; raises InOutError naming it.
NativeFile OpenLockFile();
// Takes the lock without waiting; false when another process holds it.
bool TryLock(const NativeFile& file);

}  // namespace vantrel::platform::detail
