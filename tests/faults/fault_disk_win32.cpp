#include <windows.h>

#include <cstdlib>

#include "fault_disk.h"
#include "temp_dir.h"

namespace vantrel::testing {

namespace fs = std::filesystem;

namespace {

// Far more than the set-up mounts, far less than any disk a test folder is on.
constexpr std::uintmax_t kSmall = std::uintmax_t{256} << 20;

// The free space and the size of the disk that holds `folder`. Asked of the folder itself:
// std::filesystem::space asks Wine of the drive, which a mount below it is not.
struct Space {
  std::uintmax_t free = 0;
  std::uintmax_t capacity = 0;
};
Space SpaceAt(const fs::path& folder) {
  ULARGE_INTEGER available{}, total{};
  if (!::GetDiskFreeSpaceExW(folder.wstring().c_str(), &available, &total, nullptr)) return {};
  return {available.QuadPart, total.QuadPart};
}

void Empty(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
}

}  // namespace

struct FaultDisk::Mount {};

FaultDisk::FaultDisk(const fs::path&) {
  const char* named = std::getenv("VANTREL_FAULT_DISK");
  if (named == nullptr) {
    whyNot_ = "run by ctest, whose set-up mounts the small disk on the host";
    return;
  }
  root_ = Utf8Path(named);
  const Space space = SpaceAt(root_);
  if (space.capacity == 0 || space.capacity > kSmall) {
    whyNot_ = "ctest's set-up could not mount a small tmpfs at " + std::string(named) + ": mounting needs root";
    root_.clear();
    return;
  }
  Empty(root_);
}

std::size_t FaultDisk::Free() const { return static_cast<std::size_t>(SpaceAt(root_).free); }

FaultDisk::~FaultDisk() {
  if (whyNot_.empty()) Empty(root_);
}

}  // namespace vantrel::testing
