#pragma once
// A folder on a small file system of its own, so that a write runs out of space: a tmpfs,
// which mounting needs root for. Empty when a test takes it.
#include <filesystem>
#include <memory>
#include <string>

namespace vantrel::testing {

class FaultDisk {
 public:
  // POSIX mounts one at `scratch`/disk for the object's life. Under Wine a Windows program
  // cannot mount: ctest's set-up mounts one on the host and names it in VANTREL_FAULT_DISK,
  // and each test empties it before and after its use.
  explicit FaultDisk(const std::filesystem::path& scratch);
  ~FaultDisk();
  FaultDisk(const FaultDisk&) = delete;
  FaultDisk& operator=(const FaultDisk&) = delete;

  // Why there is no small disk, "" when there is one.
  const std::string& WhyNot() const { return whyNot_; }
  const std::filesystem::path& Root() const { return root_; }
  std::size_t Free() const;  // bytes

 private:
  struct Mount;
  std::unique_ptr<Mount> mount_;
  std::filesystem::path root_;
  std::string whyNot_;
};

}  // namespace vantrel::testing
