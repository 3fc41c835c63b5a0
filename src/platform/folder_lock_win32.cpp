#include "platform/folder_lock_backend.h"

#include <windows.h>

#include <utility>

#include "platform/errors.h"
#include "platform/folder_lock.h"
#include "platform/handle_io.h"
#include "platform/win32_text.h"

namespace vantrel::platform::detail {

// The current folder by volume and file number, so that two paths to one folder are one.
std::string CurrentFolderIdentity() {
  UniqueHandle folder(::CreateFileW(L".", 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!folder.valid() || !::GetFileInformationByHandle(folder.get(), &info)) ThrowLastError();
  return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
         std::to_string(info.nFileIndexLow);
}

// The lock is the lock file open in no one else's hands (no sharing). A byte-range lock
// (LockFileEx) belongs to the process that took it: a child that inherits the handle is not
// granted it, and it goes when that process ends, so a job's cmd could not keep it once
// the front end that started it is killed. An open file stays open while any handle to it
// does, an inherited one included, and no one can open it again meanwhile.
UniqueHandle OpenLockFile() { return {}; }

// Read access, which the sharing check counts, and inheritable: a program started in this
// console keeps the folder. A
// reparse point standing in the lock file's place is opened itself, not followed, so that
// a planted link creates nothing outside the game.
bool TryLock(UniqueHandle& file) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  UniqueHandle opened(::CreateFileW(Wide(kFolderLockFile).c_str(), GENERIC_READ, 0, &inherited, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!opened.valid()) {
    if (::GetLastError() == ERROR_SHARING_VIOLATION) return false;
    ThrowLastError(kFolderLockFile);
  }
  file = std::move(opened);
  return true;
}

}  // namespace vantrel::platform::detail
