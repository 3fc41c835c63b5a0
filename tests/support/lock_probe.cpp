#include "lock_probe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/process.h"

namespace vantrel::testing {

namespace {

// How long a holder may take to start and lock, under Wine on a busy machine.
constexpr auto kHolderStart = std::chrono::seconds(30);

}  // namespace

std::string detail::LockProbeProgram() {
  // With the test program's own extension: ".exe" on Windows.
  const std::string suffix = std::filesystem::path(platform::OwnPath()).extension().string();
  return (std::filesystem::path(platform::OwnFolder()) / ("vantrel-lock-probe" + suffix)).string();
}

FolderLockFound LockFoundByAnotherProgram() {
  switch (detail::RunLockProbe()) {
    case 0:
      return FolderLockFound::Free;
    case detail::kLockProbeBusy:
      return FolderLockFound::Busy;
    default:
      return FolderLockFound::Failed;
  }
}

std::ostream& operator<<(std::ostream& out, FolderLockFound found) {
  switch (found) {
    case FolderLockFound::Free:
      return out << "free";
    case FolderLockFound::Busy:
      return out << "busy";
    case FolderLockFound::Failed:
      return out << "failed";
  }
  return out;
}

LockHeldElsewhere::LockHeldElsewhere(const std::filesystem::path& folder)
    : held_file_(folder / "lock-held"),
      go_file_(folder / "lock-go"),
      holder_(detail::LockProbeProgram(), {"5000", held_file_.string(), go_file_.string()},
              platform::ProgramConsole::ThisTerminal) {
  const auto deadline = std::chrono::steady_clock::now() + kHolderStart;
  while (holder_.Started() && !holder_.ExitCode() && std::chrono::steady_clock::now() < deadline) {
    held_ = std::filesystem::exists(held_file_);
    if (held_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ADD_FAILURE() << "the other program did not take the folder's lock";
}

LockHeldElsewhere::~LockHeldElsewhere() {
  std::ofstream(go_file_) << "go\n";
  if (holder_.Started()) holder_.Wait();
  std::filesystem::remove(held_file_);
  std::filesystem::remove(go_file_);
}

}  // namespace vantrel::testing
