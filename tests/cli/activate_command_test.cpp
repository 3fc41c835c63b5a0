// vantrel-cli activate and deactivate on the sample game.
#include <gtest/gtest.h>

#include "cli_game.h"
#include "samplegame/model_files.h"

namespace vantrel {
namespace {

using testing::CliGame;

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

  // The script written and not run is undone before the next job, records and all.
  EXPECT_EQ(game.Run({"deactivate", "0601_big tank"}),
            std::make_tuple(0, "", "vantrel-cli: The install of FE2b Fighter into slot 0305 was never run; it is undone.\n"));
  EXPECT_FALSE(game.Has("06019000.dml"));
  EXPECT_FALSE(game.Has("0305.bat"));
  EXPECT_EQ(game.dir.read("game/Simpatch/fmparam3.dat").substr(100 + 5 * 244, 244),
            samplegame::ModelRecord(samplegame::ModelCopy::Working, fmparam3, 5));
}

TEST(ActivateCommand, NamesWhatItCannotFindAndReportsTheSystemsErrors) {
  CliGame game;
  const std::vector<std::pair<std::vector<std::string>, std::string>> usage = {
      {{"activate", "No Such Patch", "0601"}, "unknown patch folder 'No Such Patch'"},
      {{"activate", "Big Tank", "0G01"}, "unknown slot '0G01'"},
      {{"activate", "Big Tank", "0601", "--fm", "S,4"}, "unknown FM/DM variant '4'"},
      {{"activate", "Big Tank"}, "missing argument"},
      {{"deactivate", "0601_Big Tank"}, "unknown active patch '0601_Big Tank'"},
      {{"deactivate", "0601_Big Tank", "--strict"}, "unknown option '--strict'"},
  };
  for (const auto& [args, text] : usage) {
    const auto [status, out, err] = game.Run(args);
    EXPECT_EQ(status, 2) << text;
    EXPECT_NE(err.find(text), std::string::npos) << err;
  }
  game.dir.mkdir("game/Simpatch/0601.bat");  // the script cannot be created where a folder stands
  EXPECT_EQ(game.Run({"activate", "Big Tank", "0601"}), std::make_tuple(1, "", "vantrel-cli: File access denied: 0601.bat\n"));
}

// A removal cut short (here written and never run) is finished from the ledger by the next
// command: when that command is the same removal, its work is then done, and it succeeds.
TEST(ActivateCommand, TheRemovalOfAPatchWhoseRemovalWasCutShortFinishesItAndSucceeds) {
  CliGame game;
  ASSERT_EQ(std::get<0>(game.Run({"activate", "Big Tank", "0601"})), 0);
  ASSERT_EQ(game.Run({"deactivate", "--no-run", "0601_Big Tank"}), std::make_tuple(0, "0601_Big Tank\n", ""));
  EXPECT_EQ(game.Run({"deactivate", "0601_big tank"}),
            std::make_tuple(0, "", "vantrel-cli: The removal of Big Tank from slot 0601 was cut short; it is finished.\n"));
  EXPECT_FALSE(game.Has("06019000.dml"));
  EXPECT_FALSE(game.Has("0601_Big Tank.aop"));
  EXPECT_EQ(std::get<0>(game.Run({"deactivate", "0601_Big Tank"})), 2) << "once finished, it is no longer known";
}

// Scripts rely on activate going on, so the window's questions are only warnings, unless
// --strict makes them errors that stop the job before anything is written.
TEST(ActivateCommand, WarnsOfWhatTheWindowWouldAskAndRefusesItUnderStrict) {
  const std::string mismatch =
      "Big Tank is not an aircraft patch; slot 0305 Halberstadt D.2 is an aircraft slot. Install it there?";
  const std::string occupied = "Slot 0305 holds Camel Views. Replace it?";
  CliGame game;
  game.dir.write("game/Simpatch/0305_Camel Views.aop", "Active\r\n");
  std::vector<std::string> modelFiles;
  for (const auto& file : samplegame::kModelFiles) modelFiles.push_back(game.dir.read(std::string("game/Simpatch/") + file.name));

  EXPECT_EQ(game.Run({"activate", "--strict", "FE2b Fighter", "0305"}),
            std::make_tuple(1, "", "vantrel-cli: error: " + occupied + "\nvantrel-cli: nothing was activated (--strict)\n"));
  EXPECT_EQ(game.Run({"activate", "Big Tank", "0305", "--strict", "--no-run"}),
            std::make_tuple(1, "", "vantrel-cli: error: " + occupied + "\nvantrel-cli: error: " + mismatch +
                                       "\nvantrel-cli: nothing was activated (--strict)\n"));
  EXPECT_FALSE(game.Has("0305.bat"));
  for (std::size_t i = 0; i < modelFiles.size(); ++i) {
    EXPECT_EQ(game.dir.read(std::string("game/Simpatch/") + samplegame::kModelFiles[i].name), modelFiles[i])
        << samplegame::kModelFiles[i].name << " changed by a refused aircraft job";
  }

  EXPECT_EQ(game.Run({"activate", "Big Tank", "0305", "--no-run"}),
            std::make_tuple(0, "0305_Camel Views\n",
                            "vantrel-cli: warning: " + occupied + "\nvantrel-cli: warning: " + mismatch + "\n"));
  EXPECT_TRUE(game.Has("0305.bat"));
  EXPECT_EQ(game.Run({"activate", "--strict", "SpringMaps", "0305", "--no-run"}),
            std::make_tuple(1, "",
                            "vantrel-cli: The install of Big Tank into slot 0305 was never run; it is undone.\n"
                            "vantrel-cli: error: SpringMaps replaces the game archives ..\\3dpatch\\3dspring.vol, "
                            "..\\rb.vol; the originals are kept as .orig and put back when it is "
                            "removed. Go on?\nvantrel-cli: nothing was activated (--strict)\n"));
  EXPECT_FALSE(game.Has("0099.bat"));
  // Nothing to ask: --strict changes nothing.
  EXPECT_EQ(game.Run({"activate", "--strict", "--no-run", "FE2b Fighter", "031F"}),
            std::make_tuple(0, "0305_Camel Views\n", ""));
  EXPECT_TRUE(game.Has("031F.bat"));
}

}  // namespace
}  // namespace vantrel
