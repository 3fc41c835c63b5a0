#include "platform/file_stamp.h"

#include <sys/stat.h>

#include <string>

#include "platform/fd_io.h"
#include "platform/names.h"

namespace vantrel::platform {

namespace {

FileStamp StampOfStat(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return {};
  constexpr std::int64_t kNanosPerSecond = 1'000'000'000;
  return {true, static_cast<std::uint64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * kNanosPerSecond + st.st_mtim.tv_nsec};
}

}  // namespace

// A status check looks at tens of thousands of files: one that is there under the name as
// written is found with one look, where resolving the name's case takes one a component.
FileStamp StampOf(std::string_view path) {
  std::string written(path);
  for (char& c : written) {
    if (IsPathSeparator(c)) c = '/';
  }
  const std::string name = detail::SplitResolvedPath(written).name;
  if (!WindowsCanHold(name)) return {};
  struct stat st {};
  if (::stat(written.c_str(), &st) == 0) return StampOfStat(st);
  const std::string resolved = ResolvePath(path);
  if (!detail::StatIfThere(resolved, st, path)) return {};
  return StampOfStat(st);
}

}  // namespace vantrel::platform
