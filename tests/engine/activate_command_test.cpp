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

struct CliGame {
  CliGame() {
    testing::KeepShellsOffTerminals();
    samplegame::LaySampleGame((dir.path() / "game").string());
  }
  bool Has(const std::string& rel) const { return dir.exists("game/Simpatch/" + rel); }

  // vantrel-cli -C WORKING-FOLDER ARGS...: exit status, standard output, error output.
  std::tuple<int, std::string, std::string> Run(std::vector<std::string> args) const {
    args.insert(args.begin(), {"-C", (dir.path() / "game" / "Simpatch").string()});
    std::ostringstream out, err;
    const int status = cli::Main(args, out, err);
    return {status, out.str(), err.str()};
  }

  testing::TempDir dir;
};

TEST(ActivateCommand, RunsTheJobAndListsTheActivePatches) {
  CliGame game;
  EXPECT_EQ(game.Run({"activate", "Big Tank", "0601"}), std::make_tuple(0, "0601_Big Tank\n", ""));
  EXPECT_TRUE(game.Has("06019000.dml"));

  EXPECT_EQ(game.Run({"activate", "--no-run", "FE2b Fighter", "0305", "--fm", "3,s"}),
            std::make_tuple(0, "0601_Big Tank\n", ""));
  EXPECT_TRUE(game.Has("0305.bat")) << "written, not run";
  const auto& fmparam3 = samplegame::kModelFiles[2];
  EXPECT_EQ(game.dir.read("game/Simpatch/fmparam3.dat").substr(100 + 5 * 244, 244),
            samplegame::ModelRecord(samplegame::ModelCopy::Patch, fmparam3, 0x1F));

  EXPECT_EQ(game.Run({"deactivate", "0601_big tank"}), std::make_tuple(0, "", ""));
  EXPECT_FALSE(game.Has("06019000.dml"));
}

TEST(ActivateCommand, NamesWhatItCannotFindAndReportsTheSystemsErrors) {
  CliGame game;
  const std::vector<std::pair<std::vector<std::string>, std::string>> usage = {
      {{"activate", "No Such Patch", "0601"}, "unknown patch folder 'No Such Patch'"},
      {{"activate", "Big Tank", "0G01"}, "unknown slot '0G01'"},
      {{"activate", "Big Tank", "0601", "--fm", "S,4"}, "unknown FM/DM variant '4'"},
      {{"activate", "Big Tank"}, "missing argument"},
      {{"deactivate", "0601_Big Tank"}, "unknown active patch '0601_Big Tank'"},
  };
  for (const auto& [args, text] : usage) {
    const auto [status, out, err] = game.Run(args);
    EXPECT_EQ(status, 2) << text;
    EXPECT_NE(err.find(text), std::string::npos) << err;
  }
  game.dir.mkdir("game/Simpatch/0601.bat");  // the script cannot be created where a folder stands
  EXPECT_EQ(game.Run({"activate", "Big Tank", "0601"}), std::make_tuple(1, "", "vantrel-cli: File access denied: 0601.bat\n"));
}

}  // namespace
}  // namespace vantrel
