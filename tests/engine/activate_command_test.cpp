// vantrel-cli activate and deactivate on the sample game.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "engine_session.h"
#include "samplegame/model_files.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using testing::TempDir;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

struct CliGame {
  CliGame() {
    testing::KeepShellsOffTerminals();
    samplegame::LaySampleGame((dir.path() / "game").string());
  }
  bool Has(const std::string& rel) const { return dir.exists("game/Simpatch/" + rel); }

  // vantrel-cli -C WORKING-FOLDER ARGS...
  CliRun RunCli(std::vector<std::string> args) const {
    args.insert(args.begin(), {"-C", (dir.path() / "game" / "Simpatch").string()});
    std::ostringstream out, err;
    const int status = cli::Main(args, out, err);
    return {status, out.str(), err.str()};
  }

  TempDir dir;
};

TEST(ActivateCommand, RunsTheJobAndListsTheActivePatches) {
  CliGame game;
  CliRun run = game.RunCli({"activate", "Big Tank", "0601"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "0601_Big Tank\n");
  EXPECT_TRUE(game.Has("06019000.dml"));

  run = game.RunCli({"activate", "--no-run", "SpringMaps", "0301"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "0601_Big Tank\n") << "the volume script is written but not run";
  EXPECT_TRUE(game.Has("0099.bat"));

  run = game.RunCli({"deactivate", "0601_big tank"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(game.Has("06019000.dml"));
}

TEST(ActivateCommand, FmOptionTurnsOnTheNamedVariants) {
  CliGame game;
  const CliRun run = game.RunCli({"activate", "FE2b Fighter", "0305", "--fm", "3", "--no-run"});
  ASSERT_EQ(run.status, 0) << run.err;
  using samplegame::kModelFiles;
  const auto record = [&](const samplegame::ModelFile& file) {
    return game.dir.read(std::string("game/Simpatch/") + file.name).substr(100 + 5 * file.recordSize, file.recordSize);
  };
  EXPECT_EQ(record(kModelFiles[2]), samplegame::ModelRecord(samplegame::ModelCopy::Patch, kModelFiles[2], 0x1F));
  EXPECT_EQ(record(kModelFiles[0]), samplegame::ModelRecord(samplegame::ModelCopy::Stock, kModelFiles[0], 0x1F));
  EXPECT_TRUE(game.Has("0305.bat"));
}

TEST(ActivateCommand, NamesWhatItCannotFindAndReportsTheSystemsErrors) {
  CliGame game;
  const std::vector<std::pair<std::vector<std::string>, std::string>> usage = {
      {{"activate", "No Such Patch", "0601"}, "unknown patch folder 'No Such Patch'"},
      {{"activate", "Big Tank", "0G01"}, "unknown slot '0G01'"},
      {{"activate", "Big Tank", "0601", "--fm", "S,4"}, "unknown FM/DM variant '4'"},
      {{"activate", "Big Tank"}, "missing argument"},
      {{"deactivate", "0601_Big Tank"}, "unknown active patch '0601_Big Tank'"},
      {{"deactivate", "0601_Big Tank", "--fm", "S"}, "unknown option '--fm'"},
  };
  for (const auto& [args, text] : usage) {
    const CliRun run = game.RunCli(args);
    EXPECT_EQ(run.status, 2) << text;
    EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
  }

  game.dir.mkdir("game/Simpatch/0601.bat");  // the script cannot be created where a folder stands
  const CliRun run = game.RunCli({"activate", "Big Tank", "0601"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "vantrel-cli: File access denied\n");
}

}  // namespace
}  // namespace vantrel
