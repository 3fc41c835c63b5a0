#include "platform/free_space.h"

#include <sys/statvfs.h>

#include <cerrno>
#include <string>

#include "platform/errors.h"
#include "platform/names.h"

namespace vantrel::platform {

std::uint64_t FreeSpace(std::string_view folder) {
  const std::string resolved = folder.empty() ? std::string(".") : ResolvePath(folder);
  struct statvfs st {};
  if (::statvfs(resolved.c_str(), &st) != 0) throw InOutError(InOutError::CodeForErrno(errno), std::string(folder));
  return static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
}

}  // namespace vantrel::platform
