#include "platform/folder_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/errors.h"
#include "platform/fd_io.h"

namespace vantrel::platform::detail {
namespace {

bool IsFolderAt(int parent, const dirent* entry) {
  if (entry->d_type != DT_UNKNOWN) return entry->d_type == DT_DIR;
  struct stat st {};
  return ::fstatat(parent, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

// Opens the folder `name` of `parent`; O_NOFOLLOW keeps a link put in its place from
// leading the walk elsewhere.
UniqueFd OpenFolderAt(int parent, const char* name) {
  return UniqueFd(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// Calls `visit(folderFd, entryName, isFolder)` for every entry below the open folder,
// the entries of a subfolder before the subfolder itself. False when a folder could not be
// opened or `visit` said false; the walk goes on regardless.
template <typename Visit>
bool Walk(const UniqueFd& folder, Visit& visit) {
  // fdopendir takes the descriptor it is given, so the listing gets a copy of its own.
  UniqueFd listing(::fcntl(folder.get(), F_DUPFD_CLOEXEC, 0));
  if (!listing.valid()) return false;
  DirHandle dir(::fdopendir(listing.get()));
  if (!dir) return false;
  listing.release();
  bool all = true;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    const bool isFolder = IsFolderAt(folder.get(), entry);
    if (isFolder) {
      UniqueFd sub = OpenFolderAt(folder.get(), entry->d_name);
      if (!sub.valid() || !Walk(sub, visit)) all = false;
    }
    if (!visit(folder.get(), entry->d_name, isFolder)) all = false;
  }
  return all;
}

}  // namespace

bool RemoveTree(const std::string& posixPath) noexcept {
  UniqueFd root = OpenFolderAt(AT_FDCWD, posixPath.c_str());
  if (!root.valid()) return false;
  auto remove = [](int folder, const char* name, bool isFolder) {
    return ::unlinkat(folder, name, isFolder ? AT_REMOVEDIR : 0) == 0;
  };
  return Walk(root, remove) && ::rmdir(posixPath.c_str()) == 0;
}

void SyncTree(const std::string& posixPath) {
  UniqueFd root = OpenFolderAt(AT_FDCWD, posixPath.c_str());
  if (!root.valid()) throw InOutError::FromErrno(errno);
  // One flush of the file system that holds it: a file's fsync each would wait for a
  // journal commit each, thousands of them for a large folder.
  if (::syncfs(root.get()) != 0) throw InOutError::FromErrno(errno);
}

}  // namespace vantrel::platform::detail
