#include "platform/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/names.h"
#include "platform/write_target.h"

namespace vantrel::platform {

RecordFile::RecordFile(std::string_view path, Mode mode) {
  const int flags = (mode == Mode::ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC;
  std::string resolved = ResolvePath(path);
  if (mode == Mode::ReadWrite) resolved = detail::WriteTarget(resolved, path);
  detail::UniqueFd fd(::open(resolved.c_str(), flags));
  if (!fd.valid()) throw InOutError::FromErrno(errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) throw InOutError::FromErrno(errno);
  if (S_ISDIR(st.st_mode)) throw InOutError::FromErrno(EISDIR);
  fd_ = fd.release();
}

RecordFile::~RecordFile() { detail::UniqueFd closing(fd_); }

void RecordFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  if (fd_ < 0) throw InOutError(103);
  auto* out = static_cast<char*>(buffer);
  while (size > 0) {
    ssize_t got = ::pread(fd_, out, size, static_cast<off_t>(offset));
    if (got < 0) {
      if (errno == EINTR) continue;
      throw InOutError::FromErrno(errno);
    }
    if (got == 0) throw InOutError(100);
    out += got;
    size -= static_cast<std::size_t>(got);
    offset += static_cast<std::uint64_t>(got);
  }
}

void RecordFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
  if (fd_ < 0) throw InOutError(103);
  detail::WriteAllAt(fd_, offset, static_cast<const char*>(data), size);
}

void RecordFile::Close() {
  detail::UniqueFd closing(fd_);
  fd_ = -1;
  closing.Close();
}

}  // namespace vantrel::platform
