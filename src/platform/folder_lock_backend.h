#pragma once
// Internal to the platform layer: what FolderLock asks of each system.
#include <string>

#include "platform/native_file.h"

namespace vantrel::platform::detail {

// The current folder's identity, the same for every path to it; raises InOutError.
std::string CurrentFolderIdentity();
// The lock file of the current folder, created when missing; raises InOutError naming it.
// None on Windows, where opening it is taking the lock (TryLock).
NativeFile OpenLockFile();
// Takes the lock without waiting; false when another process holds it. Raises InOutError
// naming the lock file.
bool TryLock(NativeFile& file);

// The lock file of the current folder while this process holds its lock, else null. A
// program started meanwhile shares it, so that a job's shell holds the lock its starter
// took: the lock then stays while either runs. On POSIX the program is handed the open
// file, its number in the environment variable below, so that our shell taking the lock
// again does not wait for its own starter; on Windows the handle is inherited by a program
// started in this console, and the file stays open, and so locked, while either holds it.
const NativeFile* HeldLockFile();
inline constexpr char kHandedLockVariable[] = "VANTREL_FOLDER_LOCK";

}  // namespace vantrel::platform::detail
