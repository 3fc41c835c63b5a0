#include "platform/new_folder.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/fd_io.h"
#include "platform/folder_tree.h"
#include "platform/name_index.h"
#include "platform/names.h"
#include "platform/replacing_file.h"
#include "platform/write_target.h"

namespace vantrel::platform {
namespace {

using detail::FolderChange;
using detail::UniqueFd;

bool Exists(const std::string& posixPath, struct stat& st) { return ::lstat(posixPath.c_str(), &st) == 0; }

}  // namespace

bool NameTaken(std::string_view name) {
  struct stat st {};
  return Exists(ResolvePath(name), st);
}

void NewFile::WriteAt(std::uint64_t offset, const char* data, std::size_t size) {
  detail::WriteAllAt(fd_.get(), offset, data, size);
}

void NewFile::Finish(std::uint64_t length, std::optional<timespec> modified) {
  UniqueFd closing = std::move(fd_);
  struct stat st {};
  if (::fstat(closing.get(), &st) != 0) throw InOutError::FromErrno(errno);
  if (static_cast<std::uint64_t>(st.st_size) != length && ::ftruncate(closing.get(), static_cast<off_t>(length)) != 0) {
    throw InOutError::FromErrno(errno);
  }
  if (modified) {
    const timespec times[2] = {{0, UTIME_OMIT}, *modified};
    if (::futimens(closing.get(), times) != 0) throw InOutError::FromErrno(errno);
  }
  // Starts the file on its way to the disk while the next ones are written, so that the
  // flush before the folder is put in place has little left to wait for. Only a hint: a
  // failure to write shows again at that flush.
  ::sync_file_range(closing.get(), 0, 0, SYNC_FILE_RANGE_WRITE);
  closing.Close();
}

NewFolder::NewFolder() {
  detail::RemoveStrayTemporaries("");
  for (;;) {
    std::string path = detail::TemporaryName("");
    detail::CheckEntryInGameTree(path, path);
    FolderChange change(path);
    if (::mkdir(path.c_str(), 0777) == 0) {
      change.Added();
      temporary_ = std::move(path);
      return;
    }
    if (errno != EEXIST) throw InOutError::FromErrno(errno);
  }
}

NewFolder::~NewFolder() {
  if (placed_) return;
  FolderChange change(temporary_);
  if (detail::RemoveTree(temporary_)) change.Removed();
}

bool NewFolder::AddFolder(std::string_view inner) {
  std::string path = temporary_;
  for (std::size_t pos = 0; pos < inner.size();) {
    std::size_t end = inner.find('/', pos);
    if (end == std::string_view::npos) end = inner.size();
    path = ResolvePath(detail::JoinPath(path, std::string(inner.substr(pos, end - pos))));
    pos = end + 1;
    struct stat st {};
    if (Exists(path, st)) {
      if (!S_ISDIR(st.st_mode)) return false;
      continue;
    }
    FolderChange change(path);
    if (::mkdir(path.c_str(), 0777) != 0) throw InOutError::FromErrno(errno);
    change.Added();
  }
  return true;
}

std::optional<NewFile> NewFolder::AddFile(std::string_view inner) {
  const PathParts parts = SplitLastComponent(inner);
  if (!AddFolder(parts.folder)) return std::nullopt;
  const std::string path = ResolvePath(detail::JoinPath(temporary_, std::string(inner)));
  FolderChange change(path);
  UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (!fd.valid()) {
    if (errno == EEXIST) return std::nullopt;
    throw InOutError::FromErrno(errno);
  }
  change.Added();
  return NewFile(fd.release());
}

void NewFolder::PutInPlace(std::string_view name) {
  const std::string target(name);
  detail::CheckEntryInGameTree(target, name);
  if (NameTaken(name)) throw NameTakenError(target);
  // Names and bytes reach the disk before the name does: after a power cut the folder is
  // there whole or not at all.
  detail::SyncTree(temporary_);
  FolderChange leaving(temporary_);
  FolderChange arriving(target);
  if (::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
    if (errno == EEXIST) throw NameTakenError(target);
    // A file system without the no-replace rename: the check above, made under the folder's
    // lock, stands for it against our own jobs.
    if (errno != EINVAL || ::rename(temporary_.c_str(), target.c_str()) != 0) throw InOutError::FromErrno(errno);
  }
  placed_ = true;
  leaving.Removed();
  arriving.Added();
  UniqueFd here(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!here.valid() || ::fsync(here.get()) != 0) throw InOutError::FromErrno(errno);
}

}  // namespace vantrel::platform
