// "Other game...": the install picked, or a folder chosen in the dialog, becomes the working
// folder, at the working folder of the name the window was in.
#include <gtest/gtest.h>

#include "games/game_choice.h"
#include "platform/files.h"
#include "presenter_fixture.h"
#include "samplegame/sample_game.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;

class GameSwitchTest : public PresenterTest {
 protected:
  void SetUp() override {
    PresenterTest::SetUp();
    samplegame::LaySampleGame((temp_.path() / "second").string());
    presenter_->SetGameSwitching({[this] { return games::LookAt(fs::canonical(temp_.path() / "second")); },
                                  [this] { return remembered_; },
                                  [this](const std::string& folder) { entered_.push_back(folder); },
                                  [this](const std::string& why) {
                                    whys_.push_back(why);
                                    const std::string answer = dialog_.empty() ? "" : dialog_.front();
                                    if (!dialog_.empty()) dialog_.erase(dialog_.begin());
                                    return answer;
                                  }});
  }
  std::string Second(const std::string& working) const {
    return games::Utf8Path(fs::canonical(temp_.path() / "second") / working);
  }

  std::vector<std::string> remembered_, entered_, whys_, dialog_;
};

TEST_F(GameSwitchTest, ThePickedInstallIsEnteredAtTheWorkingFolderOfTheSameName) {
  remembered_ = {games::Utf8Path(fs::canonical(Game()))};
  view_.choiceAnswers = {std::size_t{1}};
  presenter_->Clicked(Control::Game);
  ASSERT_EQ(view_.choicesOffered.size(), 1u);
  EXPECT_EQ(view_.choicesOffered[0].size(), 3u) << "this game, the one found, and the dialog";
  EXPECT_EQ(platform::CurrentDirectory(), Second("Simpatch"));
  EXPECT_EQ(entered_, std::vector<std::string>{Second("Simpatch")});
  EXPECT_EQ(view_.texts[Control::path].back(), "Simpatch");
}

TEST_F(GameSwitchTest, AFolderChosenInTheDialogIsAskedForAgainUntilItIsAWorkingFolder) {
  view_.choiceAnswers = {std::size_t{1}};  // after the one found: the dialog
  dialog_ = {games::Utf8Path(fs::canonical(temp_.path() / "second")), Second("Multi")};
  presenter_->Clicked(Control::Game);
  ASSERT_EQ(whys_.size(), 2u);
  EXPECT_EQ(whys_[0], "");
  EXPECT_NE(whys_[1].find("the game's folder"), std::string::npos) << whys_[1];
  EXPECT_EQ(platform::CurrentDirectory(), Second("Multi"));

  // Cancelled, in the list or in the dialog: the window stays where it is.
  for (const bool inDialog : {false, true}) {
    view_.choiceAnswers = {inDialog ? std::optional<std::size_t>(1) : std::nullopt};
    presenter_->Clicked(Control::Game);
    EXPECT_EQ(platform::CurrentDirectory(), Second("Multi"));
  }
  EXPECT_EQ(entered_.size(), 1u);
}

}  // namespace
}  // namespace vantrel::testing
