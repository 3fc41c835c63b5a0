#include "rbext/run_shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string BesideThisProgram(std::string_view name) {
  return (fs::read_symlink("/proc/self/exe").parent_path() / name).string();
}

TEST(ShellExecutableForTest, CommandShellsAreOurInterpreterBesideThisProgram) {
  const std::string interpreter = BesideThisProgram("vantrel-cmd");
  for (const char* shell : {"cmd", "command", "CMD", "Command"}) {
    EXPECT_EQ(ShellExecutableFor(shell), interpreter) << shell;
  }
}

TEST(ShellExecutableForTest, OtherProgramsAreUsedAsGiven) {
  for (const char* program : {"cmd.exe", "command.com", "cmdx", "./cmd", "sh", ""}) {
    EXPECT_EQ(ShellExecutableFor(program), program) << program;
  }
}

TEST(RunShellTest, MissingProgramIsReportedToTheOwner) {
  testing::TempDir dir;
  std::vector<std::string> messages;
  const int result = RunShell([&](const std::string& text) { messages.push_back(text); },
                              "vantrel-no-such-shell", "/C 0301.bat");
  EXPECT_EQ(result, 2);
  EXPECT_EQ(messages,
            std::vector<std::string>{"Error #2 executing vantrel-no-such-shell /C 0301.bat"});
  // Without an owner the failure is only returned.
  EXPECT_EQ(RunShell(nullptr, "vantrel-no-such-shell", "/C 0301.bat"), 2);
}

// The started program sees the parameters split at blanks and runs in the current folder.
TEST(RunShellTest, StartsTheProgramInTheCurrentFolderWithItsParameters) {
  testing::TempDir dir;
  dir.write("args.sh",
            "#!/bin/sh\n"
            "{ pwd -P; for a in \"$@\"; do echo \"[$a]\"; done; } > args.part\n"
            "mv args.part args.txt\n");
  fs::permissions(dir.path() / "args.sh", fs::perms::owner_exec, fs::perm_options::add);

  std::vector<std::string> messages;
  const int result = RunShell([&](const std::string& text) { messages.push_back(text); },
                              "./args.sh", "/C  0301.bat x");
  EXPECT_GT(result, 32);
  EXPECT_TRUE(messages.empty());

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!dir.exists("args.txt") && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ASSERT_TRUE(dir.exists("args.txt")) << "the program did not run";
  EXPECT_EQ(dir.read("args.txt"), fs::canonical(dir.path()).string() + "\n[/C]\n[0301.bat]\n[x]\n");
}

}  // namespace
}  // namespace vantrel
