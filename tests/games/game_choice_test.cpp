// The installs offered, and the working folder entered in the one picked.
#include "games/game_choice.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace vantrel::games {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

class GameChoice : public ::testing::Test {
 protected:
  GameChoice() : root_(fs::canonical(dir_.path())) {
    Lay("old", {"Multi"});
    Lay("found", {"Shellpat", "Simpatch"});
    dir_.mkdir("gone");  // remembered, but no game any more
  }
  void Lay(const std::string& name, const std::vector<std::string>& working) {
    dir_.write(name + "/rb.vol", "archive");
    for (const std::string& folder : working) dir_.mkdir(name + "/" + folder);
  }
  std::string At(const std::string& name) const { return Utf8Path(root_ / name); }

  TempDir dir_;
  fs::path root_;
};

TEST_F(GameChoice, OffersTheRememberedInstallsStillThereFirstThenThoseFoundEachOnce) {
  const SearchResult found = FindGameInstalls({{root_, 1}}, std::chrono::steady_clock::time_point::max());
  const GameChoices choices = ChoicesOf({At("gone"), At("old"), At("found")}, found);
  EXPECT_EQ(choices.texts, (std::vector<std::string>{At("old") + "   (Multi)", At("found") + "   (Shellpat, Simpatch)",
                                                     kChooseAFolder}));
  ASSERT_EQ(choices.installs.size(), 2u);
  EXPECT_TRUE(ChoicesOf({}, SearchResult{}).installs.empty());
}

TEST_F(GameChoice, EntersTheWorkingFolderOfTheNameWorkedInElseTheFirstInTheBoxsOrder) {
  const GameInstall found = LookAt(root_ / "found").installs.at(0);
  const struct {
    const char* preferred;
    const char* entered;
  } cases[] = {{"shellpat", "Shellpat"}, {"Multi", "Simpatch"}, {"", "Simpatch"}};
  for (const auto& c : cases) {
    EXPECT_EQ(WorkingFolderOf(found, c.preferred), Utf8Path(root_ / "found" / c.entered)) << c.preferred;
  }
}

TEST_F(GameChoice, RemembersTheLatestGameFirstOnceAndAFewOnly) {
  std::vector<std::string> remembered;
  for (int i = 0; i < 10; ++i) remembered = WithGameFirst(remembered, "game " + std::to_string(i));
  remembered = WithGameFirst(remembered, "game 5");
  ASSERT_EQ(remembered.size(), kRememberedGames);
  EXPECT_EQ(remembered[0], "game 5");
  EXPECT_EQ(remembered[1], "game 9");
  EXPECT_EQ(std::count(remembered.begin(), remembered.end(), "game 5"), 1);
}

}  // namespace
}  // namespace vantrel::games
