#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/process.h"
#include "platform/shell_execute.h"
#include "temp_dir.h"

namespace vantrel::platform::detail {
namespace {

using vantrel::testing::TempDir;

// Long enough for a cmd under Wine on a busy machine; a hang fails instead of blocking.
constexpr unsigned long kJobWait = 60000;

TEST(ShellOpen, KeepsTheProcessAndReadsTheExitCode) {
  TempDir dir;
  ShellStart started = ShellOpen("cmd", "/C exit 7", "");
  ASSERT_GT(started.result, 32);
  ASSERT_TRUE(started.process.valid());
  EXPECT_EQ(WaitForExitCode(started.process, kJobWait), 7u);
}

// The job runs in the folder it is given, not in ours, and its script's own exit code is
// what the kept handle reports.
TEST(ShellOpen, RunsABatchJobInItsWorkingFolder) {
  TempDir dir;
  dir.write("job folder/0305.bat", "@echo off\r\necho done> out.txt\r\nexit /b 3\r\n");
  ShellStart started = ShellOpen("cmd", "/C 0305.bat", dir.path().string() + "\\job folder");
  ASSERT_GT(started.result, 32);
  ASSERT_TRUE(started.process.valid());
  EXPECT_EQ(WaitForExitCode(started.process, kJobWait), 3u);
  EXPECT_EQ(dir.read("job folder/out.txt"), "done\r\n");
  EXPECT_FALSE(dir.exists("out.txt"));
}

TEST(ShellOpen, AMissingProgramIsNotFound) {
  TempDir dir;
  ShellStart started = ShellOpen("no-such-program.exe", "", "");
  EXPECT_EQ(started.result, 2);
  EXPECT_FALSE(started.process.valid());
}

TEST(StartProgram, StartsAndWaits) {
  TempDir dir;
  EXPECT_GT(StartProgram("cmd", {"/C", "exit 0"}), 32);
  EXPECT_EQ(StartProgram("no-such-program.exe", {}), 2);
  EXPECT_EQ(RunProgramAndWait("cmd", {"/C", "exit 5"}), 5);
  EXPECT_THROW(RunProgramAndWait("no-such-program.exe", {}), vantrel::Error);
}

// What a started program's C runtime reads back must be the argument as it was.
TEST(QuoteArgument, FollowsTheRuntimesRules) {
  const struct {
    const char* argument;
    const char* quoted;
  } cases[] = {
      {"plain", "plain"},
      {"", "\"\""},
      {"two words", "\"two words\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"C:\\Game Folder\\", "\"C:\\Game Folder\\\\\""},  // a closing backslash is doubled
      {"C:\\Game\\rb.vol", "C:\\Game\\rb.vol"},          // inner backslashes stay single
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteArgument(c.argument), c.quoted) << c.argument;
}

}  // namespace
}  // namespace vantrel::platform::detail
