#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/file_copy.h"
#include "platform/name_index.h"
#include "platform/names.h"
#include "platform/same_bytes.h"
#include "platform/write_target.h"

namespace vantrel::platform {
namespace {

using detail::UniqueFd;

// The stored name of the entry a resolved path names. Only this name is checked for
// characters Windows cannot hold: the folders above the game may be named anything.
std::string LastName(std::string_view posixPath) { return detail::SplitResolvedPath(posixPath).name; }

bool StatVisible(std::string_view path, struct stat& st) {
  std::string resolved = ResolvePath(path);
  const std::string name = LastName(resolved);
  if (name != "." && name != ".." && name != "/" && !WindowsCanHold(name)) return false;
  return detail::StatIfThere(resolved, st, path);
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

bool FileExists(std::string_view path) {
  struct stat st {};
  return StatVisible(path, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(std::string_view path) {
  struct stat st {};
  return StatVisible(path, st) && S_ISDIR(st.st_mode);
}

bool IsReadOnly(std::string_view path) { return StateOf(path).readOnly; }

EntryState StateOf(std::string_view path) {
  struct stat st {};
  if (!detail::StatIfThere(ResolvePath(path), st, path)) return {};
  const bool directory = S_ISDIR(st.st_mode);
  // Root passes every access() test, so look at the bits themselves.
  return {true, directory, !directory && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0};
}

bool SameContent(std::string_view a, std::string_view b) {
  struct stat first {};
  struct stat second {};
  try {
    if (!StatVisible(a, first) || !StatVisible(b, second) || S_ISDIR(first.st_mode) || S_ISDIR(second.st_mode) ||
        first.st_size != second.st_size) {
      return false;
    }
    UniqueFd one = detail::OpenForReading(ResolvePath(a), a);
    UniqueFd other = detail::OpenForReading(ResolvePath(b), b);
    return detail::SameBytes([&](int side, char* buffer, std::size_t size) {
      return detail::ReadFull((side == 0 ? one : other).get(), buffer, size);
    });
  } catch (const InOutError&) {
    return false;
  }
}

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) throw InOutError::FromErrno(errno);
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.data());
}

void ChangeDirectory(std::string_view path) {
  if (::chdir(ResolvePath(path).c_str()) != 0) throw InOutError::FromErrno(errno);
}

void DeleteFileAt(std::string_view path) {
  std::string resolved = ResolvePath(path);
  struct stat st {};
  if (::lstat(resolved.c_str(), &st) != 0) detail::ThrowForErrnoAt(errno, resolved);
  if (S_ISDIR(st.st_mode)) throw InOutError::FromErrno(EISDIR);
  detail::CheckEntryInGameTree(resolved, path);
  detail::FolderChange change(resolved);
  if (::unlink(resolved.c_str()) != 0) throw InOutError::FromErrno(errno);
  change.Removed();
}

void MoveFileTo(std::string_view source, std::string_view target) {
  const std::string from = ResolvePath(source);
  std::string to = ResolvePath(target);
  struct stat fromStat {};
  if (::lstat(from.c_str(), &fromStat) != 0) detail::ThrowForErrnoAt(errno, from);
  detail::CheckEntryInGameTree(from, source);
  struct stat toStat {};
  if (detail::StatIfThere(to, toStat, target, false) && SameFile(fromStat, toStat)) {
    // The target resolved to the source itself: a change of letter case only, which
    // takes the name as written.
    PathParts written = SplitLastComponent(target);
    PathParts resolvedParts = SplitLastComponent(to);
    to = detail::JoinPath(resolvedParts.folder, written.name);
  } else {
    // Moving onto a link puts the file where the link leads, as a copy would.
    to = detail::WriteTarget(to, target);
  }
  detail::FolderChange leaving(from);
  detail::FolderChange arriving(to);
  if (::rename(from.c_str(), to.c_str()) == 0) {
    leaving.Removed();
    arriving.Added();
    return;
  }
  if (errno != EXDEV) throw InOutError::FromErrno(errno);
  detail::CopyFileTo(from, source, to, target);
  if (::unlink(from.c_str()) != 0) throw InOutError::FromErrno(errno);
  leaving.Removed();
}

namespace detail {

NativeFile OpenCopySource(const std::string& path, std::string_view written) { return OpenForReading(path, written); }

bool IsFolderAt(const std::string& path, std::string_view shown) {
  struct stat st {};
  return StatIfThere(path, st, shown) && S_ISDIR(st.st_mode);
}

bool IsSameFile(const NativeFile& source, const std::string& target, std::string_view shown) {
  struct stat sourceStat {};
  if (::fstat(source.get(), &sourceStat) != 0) throw InOutError::FromErrno(errno);
  struct stat targetStat {};
  return StatIfThere(target, targetStat, shown) && SameFile(sourceStat, targetStat);
}

}  // namespace detail

}  // namespace vantrel::platform
