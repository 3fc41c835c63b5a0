#include "open_files.h"

namespace vantrel::testing {

namespace fs = std::filesystem;

bool HeldOpen(const fs::path& file) {
  const fs::path wanted = fs::canonical(file);
  std::error_code ec;
  for (const fs::directory_entry& fd : fs::directory_iterator("/proc/self/fd")) {
    // The listing's own descriptor is gone by the time its link is read.
    const fs::path target = fs::read_symlink(fd.path(), ec);
    if (!ec && target == wanted) return true;
  }
  return false;
}

}  // namespace vantrel::testing
