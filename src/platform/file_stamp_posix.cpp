#include "platform/file_stamp.h"

#include <sys/stat.h>

#include <string>

#include "platform/fd_io.h"
#include "platform/names.h"

namespace vantrel::platform {

FileStamp StampOf(std::string_view path) {
  struct stat st {};
  const std::string resolved = ResolvePath(path);
  if (!WindowsCanHold(detail::SplitResolvedPath(resolved).name)) return {};
  if (!detail::StatIfThere(resolved, st, path) || S_ISDIR(st.st_mode)) return {};
  constexpr std::int64_t kNanosPerSecond = 1'000'000'000;
  return {true, static_cast<std::uint64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * kNanosPerSecond + st.st_mtim.tv_nsec};
}

}  // namespace vantrel::platform
