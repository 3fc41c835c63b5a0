#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cli_run.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

TEST(Cli, ListsPatchesSlotsAndActiveEntriesOfTheFolderGivenWithC) {
  testing::TempDir dir;
  dir.write("game/rb.vol", "");
  dir.write("game/Simpatch/Big Tank/060E9000.dml", "");
  dir.write("game/Simpatch/FE2b/031F9000.dml", "");
  dir.write("game/Simpatch/0305_FE2b.aop", "");

  CliResult patches = RunCli({"-C", "game/Simpatch", "patches"});
  EXPECT_EQ(patches.status, 0) << patches.err;
  EXPECT_EQ(patches.out, "031F FE2b\n060E Big Tank\n");

  CliResult active = RunCli({"-C", (dir.path() / "game/Simpatch").string(), "active"});
  EXPECT_EQ(active.out, "0305_FE2b\n");

  CliResult slots = RunCli({"slots"});
  EXPECT_EQ(std::count(slots.out.begin(), slots.out.end(), '\n'), 774);
  EXPECT_TRUE(slots.out.starts_with("0300  Fok EIII\n"));
}

TEST(Cli, ReportsMistakesWithTheRightExitStatus) {
  testing::TempDir dir;
  CliResult unknown = RunCli({"frobnicate"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_TRUE(unknown.err.starts_with("vantrel-cli: unknown command 'frobnicate'")) << unknown.err;

  EXPECT_EQ(RunCli({}).status, 2);
  EXPECT_EQ(RunCli({"slots", "extra"}).status, 2);
  EXPECT_EQ(RunCli({"-C"}).status, 2);

  CliResult missing = RunCli({"-C", "no-such-folder", "patches"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "vantrel-cli: File not found\n");

  dir.mkdir("vantrel.scan.tmp");
  CliResult denied = RunCli({"patches"});
  EXPECT_EQ(denied.status, 1);
  EXPECT_EQ(denied.err, "vantrel-cli: File access denied\n");

  CliResult help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("patches"), std::string::npos);
}

// -C takes only a working folder of the game: anything else is a mistake in the arguments,
// told with its reason before anything is written.
TEST(Cli, RefusesAFolderGivenWithCThatIsNoWorkingFolderOfTheGame) {
  testing::TempDir dir;
  samplegame::LaySampleGame("game");
  const struct {
    const char* folder;
    const char* reason;
  } kRefused[] = {
      {"game", " holds the game's own archives (lowres.vol): it is the game's folder"},
      {"game/Simpatch/FE2b Fighter", " is not a working folder of the game: the folder above"},
  };
  for (const auto& refused : kRefused) {
    SCOPED_TRACE(refused.folder);
    const std::string folder = (dir.path() / refused.folder).string();  // -C changes the current folder
    const auto before = testing::VisibleFiles(folder);
    CliResult run = RunCli({"-C", folder, "patches"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("vantrel-cli: " + folder + refused.reason)) << run.err;
    EXPECT_TRUE(run.err.ends_with("\nTry 'vantrel-cli --help'.\n")) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(testing::VisibleFiles(folder), before) << "no scan list written";
  }
  EXPECT_EQ(RunCli({"-C", (dir.path() / "game/Multi").string(), "patches"}).status, 0);
}

TEST(Cli, SaysHowManyPatchFoldersAndActivePatchesItLeftOut) {
  testing::TempDir dir;
  samplegame::LayManyPatches(".", 1100, 1, 1030, 0);
  const std::string folders = "vantrel-cli: 76 patch folders were not listed (at most 1024 are).\n";
  const std::string markers = "vantrel-cli: 5 active patches were not listed (at most 1025 are).\n";

  CliResult patches = RunCli({"patches"});
  EXPECT_EQ(patches.status, 0);
  EXPECT_EQ(std::count(patches.out.begin(), patches.out.end(), '\n'), 1024);
  EXPECT_EQ(patches.err, folders + markers);

  CliResult active = RunCli({"active"});
  EXPECT_EQ(std::count(active.out.begin(), active.out.end(), '\n'), 1025);
  EXPECT_EQ(active.err, markers) << "the active list alone scans no folders";
}

}  // namespace
}  // namespace vantrel
