// vantrel-cli activate and deactivate on the sample game.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/folder_lock.h"

#include "cli_run.h"
#include "quiet_shell.h"
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

// Every file of the game with its bytes, but the folder's lock, which any command takes.
std::map<std::string, std::string> GameFiles(const testing::TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path() / "game")) {
    if (entry.is_regular_file() && entry.path().filename() != platform::kFolderLockFile) {
      files[entry.path().string()] = testing::ReadFileBytes(entry.path());
    }
  }
  return files;
}

TEST(ActivateCommand, PlanPrintsWhatTheJobWouldDoAndWritesNothing) {
  CliGame game;
  ASSERT_EQ(std::get<0>(game.Run({"activate", "Big Tank", "0601"})), 0);
  const auto before = GameFiles(game.dir);
  EXPECT_EQ(game.Run({"deactivate", "0601_Big Tank", "--plan"}),
            std::make_tuple(0,
                            "deleted: 06019000.dml (held by Big Tank)\n"
                            "deleted: 06019000.dts (held by Big Tank)\n"
                            "deleted: 0601tex1.bmp (held by Big Tank)\n"
                            "marker deleted: 0601_Big Tank.aop\n",
                            ""));
  EXPECT_EQ(game.Run({"activate", "--plan", "SpringMaps", "0301"}),
            std::make_tuple(0,
                            "kept as original: ..\\3dpatch\\3dspring.vol -> ..\\3dpatch\\3dspring.vol.orig (the game's own)\n"
                            "copied: SpringMaps\\3dspring.vol -> ..\\3dpatch\\3dspring.vol (the game's own)\n"
                            "kept as original: ..\\rb.vol -> ..\\rb.vol.orig (the game's own)\n"
                            "copied: SpringMaps\\rb.vol -> ..\\rb.vol (the game's own)\n"
                            "marker created: 0099_SpringMaps_vol_patch.aop\n",
                            "vantrel-cli: warning: SpringMaps replaces the game archives ..\\3dpatch\\3dspring.vol, ..\\rb.vol; the "
                            "originals are kept as .orig and put back when it is removed. Go on?\n"));
  EXPECT_EQ(std::get<0>(game.Run({"deactivate", "0305_Nothing", "--plan"})), 2) << "refused as the job is";
  EXPECT_TRUE(GameFiles(game.dir) == before) << "a plan writes nothing";
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

// status tells each active patch with its slot's name, and what is not in place under it;
// repair puts that back, and says what it cannot.
TEST(ActivateCommand, StatusNamesWhatIsNotInPlaceAndRepairPutsItBack) {
  CliGame game;
  ASSERT_EQ(std::get<0>(game.Run({"activate", "Big Tank", "0601"})), 0);
  ASSERT_EQ(std::get<0>(game.Run({"activate", "SpringMaps", "0601"})), 0);
  const std::string tank = "0601_Big Tank (Truck 1)";
  EXPECT_EQ(game.Run({"status"}), std::make_tuple(0, "0099_SpringMaps_vol_patch: in place\n" + tank + ": in place\n", ""));

  game.dir.write("game/rb.vol", "updated by the game");
  EXPECT_EQ(game.Run({"status"}),
            std::make_tuple(1, "0099_SpringMaps_vol_patch: not in place\n  changed: ..\\rb.vol\n" + tank + ": in place\n",
                            "vantrel-cli: the files of some active patches are not in place (repair ENTRY puts them back)\n"));
  EXPECT_EQ(game.Run({"repair", "0099_SpringMaps_vol_patch"}),
            std::make_tuple(0, "0099_SpringMaps_vol_patch\n0601_Big Tank\n", "vantrel-cli: kept as it was: ..\\rb.vol.changed\n"));
  EXPECT_EQ(game.dir.read("game/rb.vol.changed"), "updated by the game");
  EXPECT_EQ(std::get<0>(game.Run({"status"})), 0);

  std::filesystem::remove(game.dir.path() / "game/Simpatch/06019000.dts");
  std::filesystem::rename(game.dir.path() / "game/Simpatch/Big Tank", game.dir.path() / "game/Simpatch/Moved");
  EXPECT_EQ(game.Run({"repair", "0601_Big Tank"}),
            std::make_tuple(1, "", "vantrel-cli: The patch folder of 0601_Big Tank is gone: Big Tank. Nothing was changed.\n"));
  EXPECT_FALSE(game.Has("06019000.dts"));
  EXPECT_EQ(std::get<0>(game.Run({"status"})), 1);
}

}  // namespace
}  // namespace vantrel
