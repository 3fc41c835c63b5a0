#include "platform/file_length.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/names.h"
#include "platform/write_target.h"

namespace vantrel::platform {

std::uint64_t FileLength(std::string_view path) {
  struct stat st {};
  const std::string resolved = ResolvePath(path);
  if (::stat(resolved.c_str(), &st) != 0) detail::ThrowForErrnoAt(errno, resolved);
  if (S_ISDIR(st.st_mode)) throw InOutError::FromErrno(EISDIR);
  return static_cast<std::uint64_t>(st.st_size);
}

void SetFileLength(std::string_view path, std::uint64_t length) {
  const std::string target = detail::WriteTarget(ResolvePath(path), path);
  if (::truncate(target.c_str(), static_cast<off_t>(length)) != 0) throw InOutError::FromErrno(errno);
}

}  // namespace vantrel::platform
