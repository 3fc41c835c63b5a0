// vantrel-cli history, undo and restore-game on the sample game.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "cli_game.h"
#include "platform/folder_lock.h"

namespace vantrel {
namespace {

using testing::CliGame;

// The working folder's files and the game folder's archives; the scan list that every
// command line's scan writes and the folder's lock file are ours, and left out.
std::map<std::string, std::string> GameFiles(const CliGame& game) {
  std::map<std::string, std::string> files = testing::VisibleFiles(game.dir.path() / "game");
  for (auto& [name, bytes] : testing::VisibleFiles(game.dir.path() / "game" / "Simpatch")) files["Simpatch/" + name] = bytes;
  files.erase("Simpatch/vantrel.scan.tmp");
  files.erase("Simpatch/" + std::string(platform::kFolderLockFile));
  return files;
}

std::string WithoutTimes(const std::string& text) {
  return std::regex_replace(text, std::regex("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"), "TIME");
}

TEST(HistoryCommands, ListTheJobsUndoThemOneByOneAndRestoreTheGame) {
  CliGame game;
  const auto before = GameFiles(game);
  ASSERT_EQ(std::get<0>(game.Run({"activate", "FE2b Fighter", "0305", "--fm", "S,3"})), 0);
  const auto withFighter = GameFiles(game);
  ASSERT_EQ(std::get<0>(game.Run({"activate", "Camel Views", "0305"})), 0);
  ASSERT_EQ(std::get<0>(game.Run({"activate", "SpringMaps", "0301"})), 0);

  EXPECT_EQ(game.Run({"undo"}), std::make_tuple(0, "0305_Camel Views\n", "vantrel-cli: remove 0099_SpringMaps_vol_patch\n"));
  EXPECT_EQ(game.Run({"undo"}), std::make_tuple(0, "0305_FE2b Fighter\n",
                                                "vantrel-cli: remove 0305_Camel Views\n"
                                                "vantrel-cli: install FE2b Fighter in 0305 Halberstadt D.2 with FM/DM S,3\n"));
  EXPECT_TRUE(GameFiles(game) == withFighter) << "FE2b Fighter and its model records are back as they were";
  const auto [status, out, err] = game.Run({"history"});
  EXPECT_EQ(status, 0) << err;
  EXPECT_EQ(WithoutTimes(out),
            "1  TIME  activate  FE2b Fighter  0305 Halberstadt D.2  done\n"
            "2  TIME  activate  Camel Views  0305 Halberstadt D.2  done\n"
            "3  TIME  activate  SpringMaps  -  done\n"
            "4  TIME  deactivate  SpringMaps  -  done (undoing job 3)\n"
            "5  TIME  deactivate  Camel Views  0305 Halberstadt D.2  done (undoing job 2)\n"
            "6  TIME  activate  FE2b Fighter  0305 Halberstadt D.2  done (undoing job 2)\n");

  EXPECT_EQ(game.Run({"restore-game"}), std::make_tuple(0, "", "vantrel-cli: remove 0305_FE2b Fighter\n"));
  EXPECT_TRUE(GameFiles(game) == before);
  EXPECT_EQ(game.Run({"undo"}), std::make_tuple(0, "0305_FE2b Fighter\n",
                                                "vantrel-cli: install FE2b Fighter in 0305 Halberstadt D.2 with FM/DM S,3\n"));

  // A file changed by hand since the install is kept as it is: the game is not as before.
  game.dir.write("game/Simpatch/03059000.dml", "changed by hand");
  EXPECT_EQ(game.Run({"restore-game"}),
            std::make_tuple(1, "",
                            "vantrel-cli: remove 0305_FE2b Fighter\n"
                            "vantrel-cli: The game was not restored:\n"
                            "  remove 0305_FE2b Fighter: Changed since the patch put them there, so kept as they are: "
                            "03059000.dml. The game's own files stay kept beside them (.orig).\n"));
  EXPECT_EQ(game.Run({"undo", "now"}), std::make_tuple(2, "", "vantrel-cli: unexpected argument 'now'\nTry 'vantrel-cli --help'.\n"));
}

}  // namespace
}  // namespace vantrel
