#include "platform/fd_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/name_index.h"
#include "platform/remaining_bytes.h"

namespace vantrel::platform::detail {

void ThrowForErrno(int error) { throw InOutError::FromErrno(error); }

int CodeForErrnoAt(int error, const std::string& posixPath) {
  if (error != ENOENT) return InOutError::CodeForErrno(error);
  const std::string folder = SplitResolvedPath(posixPath).folder;
  struct stat st {};
  const bool folderThere = ::stat(folder.empty() ? "." : folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  return folderThere ? 2 : 3;
}

void ThrowForErrnoAt(int error, const std::string& posixPath) { throw InOutError(CodeForErrnoAt(error, posixPath)); }

void ThrowCouldNotLook(int error, std::string_view shown) {
  throw InOutError(InOutError::CodeForErrno(error), shown.empty() ? std::string(".") : std::string(shown));
}

bool StatIfThere(const std::string& posixPath, struct stat& st, std::string_view shown, bool followLinks) {
  const char* path = posixPath.c_str();
  if ((followLinks ? ::stat(path, &st) : ::lstat(path, &st)) == 0) return true;
  if (NotThere(errno)) return false;
  ThrowCouldNotLook(errno, shown);
}

FolderListing::FolderListing(const std::string& folder)
    : folder_(folder), fd_(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC)) {
  if (!fd_.valid() && !NotThere(errno)) ThrowCouldNotLook(errno, folder);
}

const dirent64* FolderListing::Next() {
  if (at_ == filled_) {
    const ssize_t got = ::getdents64(fd_.get(), block_, sizeof block_);
    if (got < 0) ThrowCouldNotLook(errno, folder_);
    if (got == 0) return nullptr;
    filled_ = static_cast<std::size_t>(got);
    at_ = 0;
  }
  const auto* entry = reinterpret_cast<const dirent64*>(block_ + at_);
  at_ += entry->d_reclen;
  return entry;
}

UniqueFd OpenForReading(const std::string& posixPath, std::string_view shown) {
  return OpenRegularFile(posixPath, O_RDONLY, shown);
}

UniqueFd OpenRegularFile(const std::string& posixPath, int flags, std::string_view shown) {
  UniqueFd fd(::open(posixPath.c_str(), flags | O_CLOEXEC | O_NONBLOCK));
  // A socket cannot be opened at all; it is refused as a pipe is.
  if (!fd.valid() && errno == ENXIO) throw InOutError(5, std::string(shown));
  if (!fd.valid()) ThrowForErrnoAt(errno, posixPath);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) throw InOutError::FromErrno(errno);
  if (S_ISDIR(st.st_mode)) throw InOutError::FromErrno(EISDIR);
  if (!S_ISREG(st.st_mode)) throw InOutError(5, std::string(shown));
  // A regular file never waits; the flag goes so that nothing later reads it as a pipe's.
  const int status = ::fcntl(fd.get(), F_GETFL);
  if (status == -1 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) == -1) throw InOutError::FromErrno(errno);
  return fd;
}

UniqueFd CreateForWriting(const std::string& posixPath, bool append) {
  FolderChange change(posixPath);
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
  UniqueFd fd(::open(posixPath.c_str(), flags, 0666));
  if (!fd.valid()) {
    // With O_CREAT the file itself may be missing, so ENOENT can only mean the folder.
    if (errno == ENOENT) throw InOutError(3);
    throw InOutError::FromErrno(errno);
  }
  change.Added();
  return fd;
}

void WriteAll(int fd, const char* data, std::size_t size) {
  if (MoveBytes(size, [&](std::size_t done) { return ::write(fd, data + done, size - done); }) < size) {
    throw InOutError(101);
  }
}

void WriteAllAt(int fd, std::uint64_t offset, const char* data, std::size_t size) {
  const auto write = [&](std::size_t done) {
    return ::pwrite(fd, data + done, size - done, static_cast<off_t>(offset + done));
  };
  if (MoveBytes(size, write) < size) throw InOutError(101);
}

std::size_t ReadFull(int fd, char* buffer, std::size_t size) {
  return MoveBytes(size, [&](std::size_t done) { return ::read(fd, buffer + done, size - done); });
}

std::string ReadAll(int fd) {
  struct stat st {};
  const bool sized = ::fstat(fd, &st) == 0 && st.st_size > 0;
  return RemainingBytes(sized ? static_cast<std::size_t>(st.st_size) : 0,
                        [fd](char* buffer, std::size_t size) { return ReadFull(fd, buffer, size); });
}

PathParts SplitResolvedPath(std::string_view posixPath) {
  while (posixPath.size() > 1 && posixPath.back() == '/') posixPath.remove_suffix(1);
  return SplitLastComponent(posixPath);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace vantrel::platform::detail
