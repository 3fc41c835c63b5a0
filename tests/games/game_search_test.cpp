// Recognising a game install and searching places for them, on both systems.
#include "games/game_search.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace vantrel::games {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// A game folder at `rel`: rb.vol, and the working folders given.
void LayGame(const TempDir& dir, const std::string& rel, const std::string& archive,
             const std::vector<std::string>& working) {
  dir.write(rel + "/" + archive, "archive");
  for (const std::string& folder : working) dir.mkdir(rel + "/" + folder);
}

std::vector<std::string> FoldersOf(const SearchResult& result, const fs::path& root) {
  std::vector<std::string> folders;
  for (const GameInstall& install : result.installs) folders.push_back(fs::relative(install.folder, root).generic_string());
  return folders;
}

TEST(GameSearch, AGameIsTheMainArchiveBesideAWorkingFolderInAnyLetterCase) {
  TempDir dir;
  LayGame(dir, "game", "RB.VOL", {"simpatch", "Multi", "Readme"});
  LayGame(dir, "archive only", "rb.vol", {"Other"});
  LayGame(dir, "working folders only", "rbshell.vol", {"Simpatch"});
  const fs::path root = fs::canonical(dir.path());

  const SearchResult game = LookAt(root / "game");
  ASSERT_EQ(game.installs.size(), 1u);
  EXPECT_EQ(game.installs[0].workingFolders, (std::vector<std::string>{"Multi", "simpatch"}));
  EXPECT_TRUE(LookAt(root / "archive only").installs.empty());
  EXPECT_TRUE(LookAt(root / "working folders only").installs.empty());
  EXPECT_TRUE(LookAt(root / "not there").installs.empty());
}

TEST(GameSearch, LooksDownToEachPlacesDepthOnceAndWithinItsTime) {
  TempDir dir;
  LayGame(dir, "place/a", "rb.vol", {"Multi"});
  LayGame(dir, "place/b/c/d", "rb.vol", {"Multi"});  // three levels down
  const fs::path root = fs::canonical(dir.path());
  const auto later = std::chrono::steady_clock::now() + std::chrono::minutes(1);

  EXPECT_EQ(FoldersOf(FindGameInstalls({{root / "place", 2}}, later), root), std::vector<std::string>{"place/a"});
  // Places that overlap find each game once, the deeper look counting.
  EXPECT_EQ(FoldersOf(FindGameInstalls({{root / "place", 1}, {root, 4}, {root / "place", 3}}, later), root),
            (std::vector<std::string>{"place/a", "place/b/c/d"}));

  const SearchResult late = FindGameInstalls({{root, 4}}, std::chrono::steady_clock::now() - std::chrono::seconds(1));
  EXPECT_TRUE(late.gaveUp);
  EXPECT_TRUE(late.installs.empty());
}

}  // namespace
}  // namespace vantrel::games
