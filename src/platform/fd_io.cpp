#include "platform/fd_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/name_index.h"

namespace vantrel::platform::detail {

UniqueFd::~UniqueFd() {
  if (fd_ >= 0) ::close(fd_);
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.release();
  }
  return *this;
}

int UniqueFd::release() {
  int fd = fd_;
  fd_ = -1;
  return fd;
}

void UniqueFd::Close() {
  if (fd_ < 0) return;
  int fd = release();
  // Linux releases the descriptor even when close reports an error, so never retry.
  if (::close(fd) != 0 && errno != EINTR) throw InOutError::FromErrno(errno);
}

UniqueFd OpenForReading(const std::string& posixPath) {
  UniqueFd fd(::open(posixPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) throw InOutError::FromErrno(errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) throw InOutError::FromErrno(errno);
  if (S_ISDIR(st.st_mode)) throw InOutError::FromErrno(EISDIR);
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
  while (size > 0) {
    ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      throw InOutError::FromErrno(errno);
    }
    if (written == 0) throw InOutError(101);
    data += written;
    size -= static_cast<std::size_t>(written);
  }
}

void WriteAllAt(int fd, std::uint64_t offset, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::pwrite(fd, data, size, static_cast<off_t>(offset));
    if (written < 0) {
      if (errno == EINTR) continue;
      throw InOutError::FromErrno(errno);
    }
    if (written == 0) throw InOutError(101);
    data += written;
    size -= static_cast<std::size_t>(written);
    offset += static_cast<std::uint64_t>(written);
  }
}

std::size_t ReadFull(int fd, char* buffer, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    ssize_t got = ::read(fd, buffer + done, size - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw InOutError::FromErrno(errno);
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

std::string ReadAll(int fd) {
  std::string content;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && st.st_size > 0) content.reserve(static_cast<std::size_t>(st.st_size));
  char chunk[65536];
  for (;;) {
    ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw InOutError::FromErrno(errno);
    }
    if (got == 0) break;
    content.append(chunk, static_cast<std::size_t>(got));
  }
  return content;
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
