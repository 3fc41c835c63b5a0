#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <thread>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/name_index.h"
#include "platform/names.h"

namespace vantrel::platform {
namespace {

using detail::UniqueFd;
using Clock = std::chrono::steady_clock;

// Short enough that a job waiting behind another starts soon after it ends; a waiting
// process wakes 40 times a second, which costs nothing worth counting.
constexpr std::chrono::milliseconds kRetryInterval{25};

struct HeldFolder {
  UniqueFd lockFile;  // flock's lock lives as long as this open file
  int holders = 0;
};

// What this process holds. flock locks belong to an open file, not to the process, so a
// second open of the same lock file would wait for our own lock: a folder held already is
// counted instead.
std::map<std::string, HeldFolder>& HeldFolders() {
  static std::map<std::string, HeldFolder> held;
  return held;
}

// The current folder by device and inode, so that two paths to one folder are one folder.
std::string CurrentFolderIdentity() {
  struct stat st {};
  if (::stat(".", &st) != 0) throw InOutError::FromErrno(errno);
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

UniqueFd OpenLockFile() {
  const std::string path = ResolvePath(kFolderLockFile);
  detail::FolderChange change(path);
  // Read-only is enough for flock and needs no write permission on a file left by another
  // user; O_NOFOLLOW keeps a planted link from creating the file outside the game.
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (!fd.valid()) throw InOutError(InOutError::CodeForErrno(errno), kFolderLockFile);
  change.Added();
  return fd;
}

bool TryLock(int fd) {
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno == EWOULDBLOCK) return false;
    if (errno != EINTR) throw InOutError::FromErrno(errno);
  }
}

void WaitForLock(int fd, std::chrono::milliseconds wait) {
  const Clock::time_point deadline = Clock::now() + wait;
  while (!TryLock(fd)) {
    const Clock::time_point now = Clock::now();
    if (now >= deadline) throw Error(kFolderBusyText);
    std::this_thread::sleep_for(std::min<Clock::duration>(kRetryInterval, deadline - now));
  }
}

}  // namespace

FolderLock::FolderLock(std::chrono::milliseconds wait) : folder_(CurrentFolderIdentity()) {
  auto& held = HeldFolders();
  if (auto found = held.find(folder_); found != held.end()) {
    ++found->second.holders;
    return;
  }
  UniqueFd lockFile = OpenLockFile();
  WaitForLock(lockFile.get(), wait);
  held.emplace(folder_, HeldFolder{std::move(lockFile), 1});
}

FolderLock::~FolderLock() {
  auto& held = HeldFolders();
  auto found = held.find(folder_);
  if (found == held.end() || --found->second.holders > 0) return;
  held.erase(found);  // closing the lock file releases the lock
}

}  // namespace vantrel::platform
