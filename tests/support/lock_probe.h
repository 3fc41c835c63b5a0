#pragma once
// The working folder's lock as another Vantrel program finds it: a job of this process must
// keep such a program out, and must leave the folder free once it is over.
#include <filesystem>
#include <ostream>
#include <string>

#include "platform/running_program.h"

namespace vantrel::testing {

enum class FolderLockFound {
  Free,    // taken at once and let go
  Busy,    // refused with FolderLock's busy text after a tenth of a second
  Failed,  // anything else, told on the test's error stream
};
std::ostream& operator<<(std::ostream& out, FolderLockFound found);

// Runs vantrel-lock-probe, from beside the test, in the current folder. It is started as a
// second front end would be, never handed a lock this process holds.
FolderLockFound LockFoundByAnotherProgram();

namespace detail {
// vantrel-lock-probe's exit status for a folder it found busy.
inline constexpr int kLockProbeBusy = 3;
// vantrel-lock-probe beside the test, and its exit status after a tenth of a second's try at
// the current folder's lock, -1 when it could not be run; each system's half.
std::string LockProbeProgram();
int RunLockProbe();
}  // namespace detail

// Another program holds the current folder's lock from the construction (once it has it) to
// the destruction. Started while this process holds no lock, which it would be handed;
// `folder`, outside the game, holds the files it is told through.
class LockHeldElsewhere {
 public:
  explicit LockHeldElsewhere(const std::filesystem::path& folder);
  ~LockHeldElsewhere();  // it lets go, and has ended, before this returns
  LockHeldElsewhere(const LockHeldElsewhere&) = delete;
  LockHeldElsewhere& operator=(const LockHeldElsewhere&) = delete;

  bool Held() const { return held_; }

 private:
  std::filesystem::path held_file_;
  std::filesystem::path go_file_;
  platform::RunningProgram holder_;
  bool held_ = false;
};

}  // namespace vantrel::testing
