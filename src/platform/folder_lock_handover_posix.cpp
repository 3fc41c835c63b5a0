#include "platform/folder_lock_handover.h"

#include <fcntl.h>

#include "platform/folder_lock_backend.h"

namespace vantrel::platform {

FolderLockHandover HandOverFolderLock() {
  FolderLockHandover handover;
  handover.variable = detail::kHandedLockVariable;
  if (const detail::UniqueFd* lock = detail::HeldLockFile()) {
    handover.lockFile = lock->get();
    handover.value = std::to_string(lock->get());
  }
  return handover;
}

void KeepOpenAcrossExec(int lockFile) {
  const int flags = ::fcntl(lockFile, F_GETFD);
  if (flags >= 0) ::fcntl(lockFile, F_SETFD, flags & ~FD_CLOEXEC);
}

}  // namespace vantrel::platform
