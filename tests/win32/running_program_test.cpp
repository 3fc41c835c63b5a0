#include "platform/running_program.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/errors.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;

// Long enough for a cmd under Wine on a busy machine.
std::optional<int> PollExitCode(RunningProgram& program) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  std::optional<int> code;
  while (!(code = program.ExitCode()) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return code;
}

// In a console window of its own (through the shell) or in ours, a batch job's exit code
// is what the kept process tells.
TEST(RunningProgram, TellsABatchJobsExitCodeWhenAskedAndWhenWaitedFor) {
  TempDir dir;
  dir.write("0305.bat", "@echo off\r\necho done> out.txt\r\nexit /b 3\r\n");
  for (const ProgramConsole console : {ProgramConsole::OwnWindow, ProgramConsole::ThisTerminal}) {
    RunningProgram job("cmd", {"/C", "0305.bat"}, console);
    ASSERT_TRUE(job.Started());
    EXPECT_GT(job.StartResult(), 32);
    EXPECT_EQ(PollExitCode(job), 3);
    EXPECT_EQ(job.Wait(), 3);
    EXPECT_EQ(dir.read("out.txt"), "done\r\n");
  }
}

TEST(RunningProgram, AskingNeverWaitsForAJobStillRunning) {
  TempDir dir;
  dir.write("wait.bat", ":wait\r\nif not exist go.txt goto wait\r\n");
  RunningProgram job("cmd", {"/C", "wait.bat"});
  ASSERT_TRUE(job.Started());
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 20; ++i) EXPECT_EQ(job.ExitCode(), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  dir.write("go.txt", "");
  EXPECT_EQ(PollExitCode(job), 0);
}

TEST(RunningProgram, AProgramThatDidNotStartHasItsNumber) {
  TempDir dir;
  for (const ProgramConsole console : {ProgramConsole::OwnWindow, ProgramConsole::ThisTerminal}) {
    RunningProgram program("vantrel-no-such-program.exe", {}, console);
    EXPECT_FALSE(program.Started());
    EXPECT_EQ(program.StartResult(), 2);
    EXPECT_THROW(program.ExitCode(), Error);
    EXPECT_THROW(program.Wait(), Error);
  }
}

}  // namespace
}  // namespace vantrel::platform
