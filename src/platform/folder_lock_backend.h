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

// The lock file of the current folder while this process holds its lock, else null. A
// program started meanwhile is handed it, its number in the environment variable below,
// so that a job's shell holds the lock its starter took: the lock then stays while either
// runs, and the shell taking it again does not wait for its own starter.
const NativeFile* HeldLockFile();
inline constexpr char kHandedLockVariable[] = "VANTREL_FOLDER_LOCK";

}  // namespace vantrel::platform::detail
