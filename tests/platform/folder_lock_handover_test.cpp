// A program started while this process holds its folder's lock keeps the folder locked
// until it ends, however soon this process lets go: a job's shell outlives a killed front
// end with the lock still held.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "platform/errors.h"
#include "platform/folder_lock.h"
#include "platform/process.h"
#include "platform/running_program.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using namespace std::chrono_literals;

// A program that waits for go.txt in the current folder: Windows' cmd (Wine's) on a job
// script that loops, or a POSIX shell.
RunningProgram StartWaiter() {
  if (IsNtFamily()) {
    testing::WriteFileBytes("wait.bat", "@echo off\r\n:wait\r\nif not exist go.txt goto wait\r\n");
    return RunningProgram("cmd", {"/C", "wait.bat"}, ProgramConsole::ThisTerminal);
  }
  return RunningProgram("sh", {"-c", "while [ ! -e go.txt ]; do sleep 0.02; done"}, ProgramConsole::ThisTerminal);
}

TEST(FolderLockHandover, AProgramStartedUnderTheLockKeepsItUntilItEnds) {
  testing::TempDir dir;
  std::optional<RunningProgram> waiter;
  {
    FolderLock lock;
    waiter = StartWaiter();
    ASSERT_TRUE(waiter->Started());
  }
  EXPECT_THROW(FolderLock(100ms), Error) << "the folder was free while the program it was handed runs";
  dir.write("go.txt", "");
  EXPECT_EQ(waiter->Wait(), 0);
  EXPECT_NO_THROW(FolderLock(5s)) << "still held once the program has ended";
}

}  // namespace
}  // namespace vantrel::platform
