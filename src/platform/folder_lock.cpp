#include "platform/folder_lock.h"

#include <algorithm>
#include <map>
#include <thread>

#include "platform/errors.h"
#include "platform/folder_lock_backend.h"

namespace vantrel::platform {
namespace {

using Clock = std::chrono::steady_clock;
using detail::NativeFile;

// Short enough that a job waiting behind another starts soon after it ends; a waiting
// process wakes 40 times a second, which costs nothing worth counting.
constexpr std::chrono::milliseconds kRetryInterval{25};

struct HeldFolder {
  NativeFile lockFile;  // the lock lives as long as this open file
  int holders = 0;
};

// What this process holds. The locks belong to an open file, not to the process, so a
// second open of the same lock file would wait for our own lock: a folder held already is
// counted instead.
std::map<std::string, HeldFolder>& HeldFolders() {
  static std::map<std::string, HeldFolder> held;
  return held;
}

void WaitForLock(NativeFile& file, std::chrono::milliseconds wait) {
  const Clock::time_point deadline = Clock::now() + wait;
  while (!detail::TryLock(file)) {
    const Clock::time_point now = Clock::now();
    if (now >= deadline) throw Error(kFolderBusyText);
    std::this_thread::sleep_for(std::min<Clock::duration>(kRetryInterval, deadline - now));
  }
}

}  // namespace

FolderLock::FolderLock(std::chrono::milliseconds wait) : folder_(detail::CurrentFolderIdentity()) {
  auto& held = HeldFolders();
  if (auto found = held.find(folder_); found != held.end()) {
    ++found->second.holders;
    return;
  }
  NativeFile lockFile = detail::OpenLockFile();
  WaitForLock(lockFile, wait);
  held.emplace(folder_, HeldFolder{std::move(lockFile), 1});
}

namespace detail {

const NativeFile* HeldLockFile() {
  auto& held = HeldFolders();
  if (held.empty()) return nullptr;
  try {
    const auto found = held.find(CurrentFolderIdentity());
    return found == held.end() ? nullptr : &found->second.lockFile;
  } catch (const Error&) {
    return nullptr;  // a current folder that is gone holds no lock of ours
  }
}

}  // namespace detail

FolderLock::~FolderLock() {
  auto& held = HeldFolders();
  auto found = held.find(folder_);
  if (found == held.end() || --found->second.holders > 0) return;
  held.erase(found);  // closing the lock file releases the lock
}

}  // namespace vantrel::platform
