#pragma once
// A small file system of its own (a tmpfs), so that a write can run out of space. Mounting
// needs root; where it fails, Mounted() is false and the test should skip.
#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cstddef>
#include <filesystem>
#include <string>

namespace vantrel::testing {

class SmallDisk {
 public:
  explicit SmallDisk(const std::filesystem::path& at, const std::string& size = "32m") : at_(at) {
    std::filesystem::create_directories(at);
    mounted_ = ::mount("tmpfs", at.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;
  bool Mounted() const { return mounted_; }
  std::size_t Free() const {
    struct statvfs st {};
    ::statvfs(at_.c_str(), &st);
    return static_cast<std::size_t>(st.f_bavail) * st.f_frsize;
  }

 private:
  std::filesystem::path at_;
  bool mounted_ = false;
};

}  // namespace vantrel::testing
