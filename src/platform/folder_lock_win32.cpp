#include "platform/folder_lock_backend.h"

#include <windows.h>

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

// Read access is enough for LockFileEx. A reparse point standing in the lock file's place
// is opened itself, not followed, so that a planted link creates nothing outside the game.
UniqueHandle OpenLockFile() {
  UniqueHandle file(::CreateFileW(Wide(kFolderLockFile).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file.valid()) ThrowLastError(kFolderLockFile);
  return file;
}

bool TryLock(const UniqueHandle& file) {
  OVERLAPPED whole{};
  if (::LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole)) {
    return true;
  }
  if (::GetLastError() == ERROR_LOCK_VIOLATION || ::GetLastError() == ERROR_IO_PENDING) return false;
  ThrowLastError(kFolderLockFile);
}

}  // namespace vantrel::platform::detail
