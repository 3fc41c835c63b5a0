#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "archive_maker.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

CliResult RunCli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = cli::Main(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(Cli, ListsPatchesSlotsAndActiveEntriesOfTheFolderGivenWithC) {
  testing::TempDir dir;
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

TEST(Cli, AddUnpacksEveryPatchOfAnArchiveOrNoneAndListsTheAvailablePatches) {
  testing::TempDir dir;
  dir.mkdir("game/Simpatch");
  const std::string tank = (dir.path() / "Big Tank.zip").string();
  testing::MakeArchive(tank, testing::Format::Zip, {{"060E9000.dml", "tank"}});
  const std::string pack = (dir.path() / "pack.7z").string();
  testing::MakeArchive(pack, testing::Format::SevenZip, {{"A/03059000.dml", "a"}, {"B/031F9000.dml", "b"}});

  CliResult added = RunCli({"-C", "game/Simpatch", "add", tank});
  EXPECT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "060E Big Tank\n");
  CliResult clash = RunCli({"add", tank});
  EXPECT_EQ(clash.status, 1);
  EXPECT_EQ(clash.err, "vantrel-cli: There is already a file or folder named Big Tank in the working folder.\n");
  EXPECT_EQ(RunCli({"add", tank, "--name", "Tank 2"}).out, "060E Big Tank\n060E Tank 2\n");

  CliResult onlyOneName = RunCli({"add", pack, "--name", "P"});
  EXPECT_EQ(onlyOneName.status, 1);
  EXPECT_EQ(onlyOneName.err, "vantrel-cli: --name names one folder, and " + pack + " holds 2 patches.\n");
  // B's name is taken: A is not unpacked either.
  dir.mkdir("game/Simpatch/b");
  EXPECT_EQ(RunCli({"add", pack}).status, 1);
  EXPECT_FALSE(dir.exists("game/Simpatch/A"));
  std::filesystem::remove(dir.path() / "game/Simpatch/b");
  EXPECT_EQ(RunCli({"add", pack}).out, "0305 A\n031F B\n060E Big Tank\n060E Tank 2\n");

  testing::MakeArchive(dir.path() / "empty.zip", testing::Format::Zip, {{"readme.txt", "no patch"}});
  CliResult none = RunCli({"add", "../../empty.zip"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, "vantrel-cli: empty.zip holds no patch (no ????9000.dml file)\n");
  EXPECT_EQ(RunCli({"add"}).status, 2);
  EXPECT_EQ(RunCli({"add", tank, "--name"}).status, 2);
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
