// vantrel-cli add: patch archives unpacked into the working folder. The archive layer is
// built where libarchive is.
#include <gtest/gtest.h>

#include <filesystem>

#include "archive_maker.h"
#include "cli_run.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

TEST(Cli, AddUnpacksEveryPatchOfAnArchiveOrNoneAndListsTheAvailablePatches) {
  testing::TempDir dir;
  dir.mkdir("game/Simpatch");
  dir.write("game/rb.vol", "");
  const std::string tank = (dir.path() / "Big Tank.zip").string();
  testing::MakeArchive(tank, testing::Format::Zip, {{"060E9000.dml", "tank"}});
  const std::string pack = (dir.path() / "pack.7z").string();
  testing::MakeArchive(pack, testing::Format::SevenZip, {{"A/03059000.dml", "a"}, {"B/031F9000.dml", "b"}});

  CliResult added = RunCli({"-C", "game/Simpatch", "add", tank});
  EXPECT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "060E Big Tank\n");
  EXPECT_EQ(added.err, "vantrel-cli: Big Tank (060E) is added from Big Tank.zip.\n");
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
  CliResult both = RunCli({"add", pack});
  EXPECT_EQ(both.out, "0305 A\n031F B\n060E Big Tank\n060E Tank 2\n");
  EXPECT_EQ(both.err, "vantrel-cli: A (0305) is added from pack.7z.\nvantrel-cli: B (031F) is added from pack.7z.\n");

  testing::MakeArchive(dir.path() / "empty.zip", testing::Format::Zip, {{"readme.txt", "no patch"}});
  CliResult none = RunCli({"add", "../../empty.zip"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, "vantrel-cli: empty.zip holds no patch (no ????9000.dml file)\n");
  EXPECT_EQ(RunCli({"add"}).status, 2);
  EXPECT_EQ(RunCli({"add", tank, "--name"}).status, 2);
}

}  // namespace
}  // namespace vantrel
