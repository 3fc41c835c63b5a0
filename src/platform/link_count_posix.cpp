#include "platform/link_count.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/fd_io.h"
#include "platform/names.h"

namespace vantrel::platform {

std::uint64_t LinkCount(std::string_view path) {
  struct stat st {};
  const std::string resolved = ResolvePath(path);
  if (::stat(resolved.c_str(), &st) != 0) detail::ThrowForErrnoAt(errno, resolved);
  return static_cast<std::uint64_t>(st.st_nlink);
}

}  // namespace vantrel::platform
