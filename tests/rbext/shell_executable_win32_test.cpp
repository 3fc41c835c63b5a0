// Windows' cmd is named by its whole path, never looked for in the game's folder first.
#include <gtest/gtest.h>

#include <filesystem>

#include "rbext/run_shell.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

TEST(ShellExecutableForTest, CmdIsTheSystemFoldersEvenWithOneInTheCurrentFolder) {
  testing::TempDir dir;
  dir.write("cmd.exe", "planted");
  const std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  for (const char* shell : {"cmd", "CMD"}) {
    const std::filesystem::path program(ShellExecutableFor(shell));
    EXPECT_TRUE(program.is_absolute()) << program;
    EXPECT_EQ(program.filename(), "cmd.exe");
    EXPECT_NE(program.parent_path(), dir.path());
    EXPECT_TRUE(std::filesystem::exists(program)) << program;
  }
  std::filesystem::current_path(here);
  for (const char* program : {"cmd.exe", "command", "sh"}) EXPECT_EQ(ShellExecutableFor(program), program);
}

}  // namespace
}  // namespace vantrel
