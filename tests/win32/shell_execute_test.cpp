#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/process.h"
#include "platform/shell_execute.h"
#include "temp_dir.h"

namespace vantrel::platform::detail {
namespace {

using vantrel::testing::TempDir;

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
