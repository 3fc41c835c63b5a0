#include "platform/folder_lock_backend.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/folder_lock.h"
#include "platform/name_index.h"
#include "platform/names.h"

namespace vantrel::platform::detail {

// The current folder by device and inode, so that two paths to one folder are one folder.
std::string CurrentFolderIdentity() {
  struct stat st {};
  if (::stat(".", &st) != 0) throw InOutError::FromErrno(errno);
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

namespace {

// The lock file a starter that holds its lock handed this program, when it is the one at
// `path`: the same open file, so that its lock is ours too and taking it cannot wait for
// the starter. Taken once, so that a descriptor number used again later is not mistaken
// for it.
UniqueFd HandedLockFile(const std::string& path) {
  const char* handed = std::getenv(kHandedLockVariable);
  if (!handed) return {};
  const std::string number = handed;
  ::unsetenv(kHandedLockVariable);
  int fd = -1;
  const auto [end, failure] = std::from_chars(number.data(), number.data() + number.size(), fd);
  struct stat open {};
  struct stat named {};
  if (failure != std::errc() || end != number.data() + number.size() || ::fstat(fd, &open) != 0 ||
      ::lstat(path.c_str(), &named) != 0 || open.st_dev != named.st_dev || open.st_ino != named.st_ino) {
    return {};
  }
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  return UniqueFd(fd);
}

}  // namespace

UniqueFd OpenLockFile() {
  const std::string path = ResolvePath(kFolderLockFile);
  if (UniqueFd handed = HandedLockFile(path); handed.valid()) return handed;
  FolderChange change(path);
  // Read-only is enough for flock and needs no write permission on a file left by another
  // user; O_NOFOLLOW keeps a planted link from creating the file outside the game.
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (!fd.valid()) throw InOutError(InOutError::CodeForErrno(errno), kFolderLockFile);
  change.Added();
  return fd;
}

bool TryLock(UniqueFd& file) {
  for (;;) {
    if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0) return true;
    if (errno == EWOULDBLOCK) return false;
    if (errno != EINTR) throw InOutError::FromErrno(errno);
  }
}

}  // namespace vantrel::platform::detail
