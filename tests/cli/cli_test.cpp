#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

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

}  // namespace
}  // namespace vantrel
