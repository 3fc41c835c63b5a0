#include "fault_disk.h"
#include "small_disk.h"

namespace vantrel::testing {

struct FaultDisk::Mount {
  explicit Mount(const std::filesystem::path& at) : disk(at) {}
  SmallDisk disk;
};

FaultDisk::FaultDisk(const std::filesystem::path& scratch)
    : mount_(std::make_unique<Mount>(scratch / "disk")), root_(scratch / "disk") {
  if (!mount_->disk.Mounted()) whyNot_ = "mounting a small tmpfs needs root";
}

FaultDisk::~FaultDisk() = default;

std::size_t FaultDisk::Free() const { return mount_->disk.Free(); }

}  // namespace vantrel::testing
