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
#include "platform/new_folder_backend.h"

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

NewFolder::~NewFolder() {
  if (placed_) return;
  FolderChange change(temporary_);
  if (detail::RemoveTree(temporary_)) change.Removed();
}

namespace detail {

Standing WhatStandsAt(const std::string& path) {
  struct stat st {};
  if (!Exists(path, st)) return Standing::Nothing;
  return S_ISDIR(st.st_mode) ? Standing::Folder : Standing::Other;
}

bool MakeFolderUnlessTaken(const std::string& path) {
  FolderChange change(path);
  if (::mkdir(path.c_str(), 0777) == 0) {
    change.Added();
    return true;
  }
  if (errno == EEXIST) return false;
  throw InOutError::FromErrno(errno);
}

UniqueFd CreateFileUnlessTaken(const std::string& path) {
  FolderChange change(path);
  UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (!fd.valid()) {
    if (errno == EEXIST) return fd;
    throw InOutError::FromErrno(errno);
  }
  change.Added();
  return fd;
}

bool MoveFolderUnlessTaken(const std::string& from, const std::string& to) {
  FolderChange leaving(from);
  FolderChange arriving(to);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
    if (errno == EEXIST) return false;
    // A file system without the no-replace rename: the look at the name just before, made
    // under the folder's lock, stands for it against our own jobs.
    if (errno != EINVAL || ::rename(from.c_str(), to.c_str()) != 0) throw InOutError::FromErrno(errno);
  }
  leaving.Removed();
  arriving.Added();
  // The new name lies in the current folder.
  UniqueFd here(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!here.valid() || ::fsync(here.get()) != 0) throw InOutError::FromErrno(errno);
  return true;
}

}  // namespace detail

}  // namespace vantrel::platform
