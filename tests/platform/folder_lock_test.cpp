#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/errors.h"
#include "platform/files.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::TempDir;

// Whether anyone holds the lock of the current folder, seen as a stranger sees it: through
// an open file of its own, which conflicts with every other open file's lock.
bool LockFileHeld(const std::string& path = kFolderLockFile) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return held;
}

// Another process that takes the lock of the current folder, holds it for `hold` and ends.
// Returns once it holds the lock.
pid_t HoldInAnotherProcess(std::chrono::milliseconds hold) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ready[0]);
    try {
      FolderLock lock(0ms);
      const char held = 'h';
      if (::write(ready[1], &held, 1) != 1) ::_exit(1);
      std::this_thread::sleep_for(hold);
    } catch (...) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  ::close(ready[1]);
  char held = 0;
  const bool told = ::read(ready[0], &held, 1) == 1;
  ::close(ready[0]);
  return told ? child : -1;
}

bool EndedWell(pid_t child) {
  int status = 0;
  return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(FolderLock, WaitsForAnotherProcessUpToItsWaitThenSaysTheFolderIsBusy) {
  TempDir dir;
  const Clock::time_point start = Clock::now();
  const pid_t holder = HoldInAnotherProcess(600ms);
  ASSERT_GT(holder, 0) << "the other process did not take the lock";

  const Clock::time_point tried = Clock::now();
  try {
    FolderLock lock(100ms);
    ADD_FAILURE() << "granted while another process holds it";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Another Vantrel job is still running in this folder; try again when it has finished.");
  }
  EXPECT_GE(Clock::now() - tried, 100ms) << "gave up before its wait";

  {
    FolderLock lock(10s);
    EXPECT_GE(Clock::now() - start, 600ms) << "granted before the other process let go";
  }
  EXPECT_TRUE(EndedWell(holder));
}

TEST(FolderLock, IsCountedWithinTheProcessAndFollowsItsFolder) {
  TempDir dir;
  dir.mkdir("Multi");
  {
    FolderLock outer;
    {
      FolderLock again(0ms);  // the same folder, this process: granted at once
    }
    EXPECT_TRUE(LockFileHeld()) << "released while the outer job still holds it";

    ChangeDirectory("Multi");
    {
      FolderLock other(0ms);
      EXPECT_TRUE(LockFileHeld()) << "another folder has a lock of its own";
    }
    EXPECT_FALSE(LockFileHeld());
    EXPECT_TRUE(LockFileHeld("../vantrel.lock")) << "the first folder stays locked after a change of folder";
  }
  EXPECT_FALSE(LockFileHeld("../vantrel.lock")) << "its last holder lets go, wherever the process is now";
}

}  // namespace
}  // namespace vantrel::platform
