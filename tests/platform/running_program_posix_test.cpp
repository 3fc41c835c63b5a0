#include "platform/running_program.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "platform/errors.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;

// Asks as a window's timer would, until the program has ended.
std::optional<int> PollExitCode(RunningProgram& program) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  std::optional<int> code;
  while (!(code = program.ExitCode()) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return code;
}

TEST(RunningProgram, TellsTheExitCodeWhenAskedAndWhenWaitedFor) {
  TempDir dir;
  for (const ProgramConsole console : {ProgramConsole::OwnWindow, ProgramConsole::ThisTerminal}) {
    RunningProgram program("sh", {"-c", "echo ran > ran.txt; exit 7"}, console);
    ASSERT_TRUE(program.Started());
    EXPECT_GT(program.StartResult(), 32);
    EXPECT_EQ(PollExitCode(program), 7);
    EXPECT_EQ(program.Wait(), 7);  // asked again, the same
    EXPECT_EQ(dir.read("ran.txt"), "ran\n");
  }
  RunningProgram killed("sh", {"-c", "kill -9 $$"});
  EXPECT_EQ(killed.Wait(), 128 + 9);
}

TEST(RunningProgram, AskingNeverWaitsForAProgramStillRunning) {
  TempDir dir;
  RunningProgram program("sh", {"-c", "while [ ! -e go ]; do sleep 0.01; done"});
  ASSERT_TRUE(program.Started());
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 100; ++i) EXPECT_EQ(program.ExitCode(), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  dir.write("go", "");
  EXPECT_EQ(PollExitCode(program), 0);
}

TEST(RunningProgram, AProgramThatDidNotStartHasItsNumber) {
  TempDir dir;
  dir.write("plain.txt", "not a program");
  const struct {
    const char* program;
    int result;
  } cases[] = {{"vantrel-no-such-program", 2}, {"nowhere/program", 3}, {"./plain.txt", 5}};
  for (const auto& c : cases) {
    RunningProgram program(c.program, {});
    EXPECT_FALSE(program.Started()) << c.program;
    EXPECT_EQ(program.StartResult(), c.result) << c.program;
    EXPECT_THROW(program.ExitCode(), Error) << c.program;
    EXPECT_THROW(program.Wait(), Error) << c.program;
  }
}

// One left running is reaped once it ends, never left as a zombie of ours.
TEST(RunningProgram, OneLeftRunningIsReapedWhenItEnds) {
  TempDir dir;
  pid_t pid = 0;
  {
    RunningProgram program("sh", {"-c", "echo $$ > pid; while [ ! -e go ]; do sleep 0.01; done"});
    ASSERT_TRUE(program.Started());
    while (!dir.exists("pid")) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  while (dir.read("pid").empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  pid = std::stoi(dir.read("pid"));
  dir.write("go", "");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (::kill(pid, 0) == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_NE(::kill(pid, 0), 0) << "the program is still there, or a zombie";
}

}  // namespace
}  // namespace vantrel::platform
