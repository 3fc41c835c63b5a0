// What the three programs say about themselves, each run as a real process.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "program_run.h"

namespace {

using vantrel::testing::ProgramRun;

// Runs `program` from beside this test without a display: a window program that tried to
// open one would fail.
ProgramRun RunBeside(const std::string& program, const std::string& arguments) {
  return vantrel::testing::RunBesideTest(program, arguments + " 2>/dev/null",
                                         "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb");
}

struct Program {
  const char* name;
  const char* help;   // an argument that asks for the help
  const char* usage;  // the help's first line
};

constexpr std::array<Program, 3> kPrograms = {{
    {"vantrel", "--help", "Usage: vantrel [FOLDER]\n"},
    {"vantrel-cli", "-h", "Usage: vantrel-cli [-C DIR] COMMAND [ARGS]\n"},
    {"vantrel-cmd", "'/?'", "Usage: vantrel-cmd /C SCRIPT [ARGUMENTS...]\n"},
}};

TEST(ProgramInfo, EachProgramNamesItselfAndTheProjectVersionAndPrintsItsUsage) {
  for (const Program& p : kPrograms) {
    const ProgramRun version = RunBeside(p.name, "--version");
    EXPECT_EQ(version.status, 0) << p.name;
    EXPECT_EQ(version.output, std::string(p.name) + " " VANTREL_PROJECT_VERSION "\n");

    for (const char* ask : {p.help, "--help"}) {
      const ProgramRun help = RunBeside(p.name, ask);
      EXPECT_EQ(help.status, 0) << p.name << ' ' << ask;
      EXPECT_TRUE(help.output.starts_with(p.usage)) << p.name << ' ' << ask << ":\n" << help.output;
      EXPECT_NE(help.output.find("--version"), std::string::npos) << p.name << " does not list --version";
    }
  }
}

// Qt takes its own options before ours are read; a mistake in ours is a usage error that
// needs no display either.
TEST(ProgramInfo, TheWindowProgramTakesQtOptionsAndRefusesTwoFolders) {
  EXPECT_EQ(RunBeside("vantrel", "-platform offscreen --version").output, "vantrel " VANTREL_PROJECT_VERSION "\n");
  EXPECT_EQ(RunBeside("vantrel", "-platform offscreen one two").status, 2);
  EXPECT_EQ(RunBeside("vantrel", "-platform offscreen --frobnicate").status, 2);
}

}  // namespace
