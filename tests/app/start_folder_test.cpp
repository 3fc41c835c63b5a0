// The folder the window starts in: given, found where it was started, or asked for and
// remembered. Real folders in a temporary folder; the folder dialog answered by the test.
// Knows no toolkit: run by both windows' test programs, each with its own memory of the
// folder.
#include "app/start_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/folder_dialog.h"
#include "app/folder_memory.h"
#include "games/game_search.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel::app {
namespace {

namespace fs = std::filesystem;

// A path as the system gives it back, in UTF-8 with the system's separators.
std::string Native(const fs::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

class StartFolder : public ::testing::Test {
 protected:
  StartFolder() : before_(RememberedFolder()) {
    RememberFolder("");  // what an earlier run remembered is not this test's
    samplegame::LaySampleGame("game");
    temp_.mkdir("home");
    fs::current_path(temp_.path() / "home");
  }
  ~StartFolder() override { RememberFolder(before_); }

  // A chooser that records where it was asked to start and why, and answers `answers` in
  // turn, then cancels.
  FolderChooser Answering(std::vector<std::string> answers) {
    return [this, answers = std::move(answers), next = std::size_t{0}](const std::string& start,
                                                                         const std::string& why) mutable {
      asked_.push_back(start);
      whys_.push_back(why);
      return next < answers.size() ? answers[next++] : std::string();
    };
  }
  FolderChooser Answering(const std::string& answer) { return Answering(std::vector<std::string>{answer}); }

  std::string Game() const { return Native(temp_.path() / "game"); }
  std::string Work() const { return Native(temp_.path() / "game" / "Simpatch"); }
  static std::string Current() { return platform::CurrentDirectory(); }

  const std::string before_;
  testing::TempDir temp_;
  std::vector<std::string> asked_;
  std::vector<std::string> whys_;
};

TEST_F(StartFolder, AGivenFolderIsEnteredWithoutAskingAndRemembered) {
  ASSERT_TRUE(EnterWorkingFolder("../game/Simpatch", Answering("/")));
  EXPECT_TRUE(asked_.empty());
  EXPECT_EQ(Current(), Work());
  EXPECT_EQ(RememberedFolder(), Work());
}

// Started in one of the game's working folders, the program stays there; anywhere else, the
// game's own folder above them included, the user is asked (engine/working_folder.h has the
// rule's cases).
TEST_F(StartFolder, StartedInAWorkingFolderItStaysThereWithoutAsking) {
  struct Case {
    const char* folder;  // in the temporary folder
    bool working;
  };
  const Case cases[] = {
      {"game/Simpatch", true}, {"game/Shellpat", true}, {"game", false},
      {"game/Simpatch/FE2b Fighter", false}, {"home", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    fs::current_path(temp_.path() / c.folder);
    const std::string started = Current();
    asked_.clear();
    whys_.clear();

    ASSERT_TRUE(EnterWorkingFolder("", Answering(Work())));
    EXPECT_EQ(asked_.size(), c.working ? 0u : 1u);
    EXPECT_EQ(whys_, std::vector<std::string>(asked_.size())) << "where it was started is not the user's choice";
    EXPECT_EQ(Current(), c.working ? started : Work());
  }
}

// With no folder given and none to stay in, the installs found are offered before the
// dialog: one picked is entered at its first working folder and remembered with its game;
// the last choice opens the dialog; Cancel ends the start.
TEST_F(StartFolder, TheInstallsFoundAreOfferedBeforeTheDialog) {
  std::vector<std::vector<std::string>> offered;
  std::optional<std::size_t> answer;
  const GameOffer offer{[this] { return games::LookAt(temp_.path() / "game"); },
                        [&](const std::string&, const std::vector<std::string>& choices) {
                          offered.push_back(choices);
                          return answer;
                        }};
  const struct {
    std::optional<std::size_t> answer;
    bool entered;
    std::size_t dialogs;
    const char* folder;  // entered, in the game
  } cases[] = {{0, true, 0, "Multi"}, {1, true, 1, "Simpatch"}, {std::nullopt, false, 0, nullptr}};
  for (const auto& c : cases) {
    fs::current_path(temp_.path() / "home");
    asked_.clear();
    answer = c.answer;
    EXPECT_EQ(EnterWorkingFolder("", Answering(Work()), offer), c.entered);
    EXPECT_EQ(asked_.size(), c.dialogs);
    if (c.folder) {
      EXPECT_EQ(Current(), Native(temp_.path() / "game" / c.folder));
      EXPECT_EQ(RememberedGames().at(0), Game());
    }
  }
  ASSERT_EQ(offered.size(), 3u);
  EXPECT_EQ(offered[0].size(), 2u) << "the game found and the dialog";
}

// Picking the game's own folder, or a patch folder in a working folder, is refused with the
// reason, and the dialog asks again from there; so is a folder given that is none.
TEST_F(StartFolder, AFolderThatIsNoWorkingFolderIsRefusedAndAskedForAgain) {
  const std::string patch = Native(temp_.path() / "game" / "Simpatch" / "FE2b Fighter");
  ASSERT_TRUE(EnterWorkingFolder("", Answering({Game(), patch, Work()})));
  EXPECT_EQ(asked_, (std::vector<std::string>{HomeFolder(), Game(), patch}));
  ASSERT_EQ(whys_.size(), 3u);
  EXPECT_EQ(whys_[0], "");
  EXPECT_TRUE(whys_[1].starts_with(Game() + " holds the game's own archives (lowres.vol)")) << whys_[1];
  EXPECT_TRUE(whys_[2].starts_with(patch + " is not a working folder of the game")) << whys_[2];
  EXPECT_EQ(Current(), Work());
  EXPECT_EQ(RememberedFolder(), Work());

  fs::current_path(temp_.path() / "home");
  asked_.clear();
  whys_.clear();
  ASSERT_TRUE(EnterWorkingFolder("../game", Answering(Work())));
  EXPECT_EQ(asked_, std::vector<std::string>{"../game"});
  ASSERT_EQ(whys_.size(), 1u);
  EXPECT_TRUE(whys_[0].starts_with("../game holds the game's own archives (lowres.vol)")) << whys_[0];
  EXPECT_EQ(Current(), Work());
}

TEST_F(StartFolder, TheDialogStartsAtHomeThenAtTheFolderChosenLast) {
  ASSERT_TRUE(EnterWorkingFolder("", Answering(Work())));
  EXPECT_EQ(Current(), Work());
  EXPECT_EQ(RememberedFolder(), Work());

  fs::current_path(temp_.path() / "home");
  ASSERT_TRUE(EnterWorkingFolder("", Answering(Work())));
  ASSERT_EQ(asked_.size(), 2u);
  EXPECT_EQ(asked_[0], HomeFolder());
  EXPECT_EQ(asked_[1], Work());

  // A remembered folder that has gone since is not where the dialog starts.
  RememberFolder(Native(temp_.path() / "game" / "gone"));
  fs::current_path(temp_.path() / "home");
  ASSERT_TRUE(EnterWorkingFolder("", Answering(Work())));
  EXPECT_EQ(asked_.back(), HomeFolder());
}

// Nor is one that cannot be looked at: a program that could not start for it could not be
// pointed anywhere else.
TEST_F(StartFolder, TheDialogStartsAtHomeWhenTheRememberedFolderCannotBeLookedAt) {
  std::error_code ec;
  fs::create_directories(temp_.path() / "links");  // beside no folder that is looked at
  fs::create_symlink("loop", temp_.path() / "links" / "loop", ec);
  if (ec) GTEST_SKIP() << "no symbolic link can be made here: " << ec.message();
  RememberFolder(Native(temp_.path() / "links" / "loop" / "Simpatch"));
  ASSERT_TRUE(EnterWorkingFolder("", Answering(Work())));
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0], HomeFolder());
}

// A folder whose name is not ASCII is entered, remembered and offered again as it is.
TEST_F(StartFolder, AFolderNamedBeyondAsciiIsEnteredAndRememberedAsItIs) {
  const fs::path folder = temp_.path() / testing::Utf8Path("Jeu d\xC3\xA9mo \xE2\x80\x93 \xE6\xB8\xAC") / "Simpatch";
  fs::create_directories(folder);
  testing::WriteFileBytes(folder.parent_path() / "rb.vol", "game archive");
  const std::string chosen = Native(folder);
  ASSERT_TRUE(EnterWorkingFolder("", Answering(chosen)));
  EXPECT_EQ(Current(), chosen);
  EXPECT_EQ(RememberedFolder(), chosen);

  fs::current_path(temp_.path() / "home");
  ASSERT_TRUE(EnterWorkingFolder("", Answering(chosen)));
  EXPECT_EQ(asked_.back(), chosen);
}

TEST_F(StartFolder, CancellingTheDialogEntersAndRemembersNothing) {
  const std::string home = Current();
  EXPECT_FALSE(EnterWorkingFolder("", Answering("")));
  EXPECT_EQ(Current(), home);
  EXPECT_EQ(RememberedFolder(), "");
}

TEST_F(StartFolder, AFolderThatCannotBeEnteredIsNamedInTheError) {
  for (bool given : {true, false}) {
    try {
      EnterWorkingFolder(given ? "missing" : "", Answering("missing"));
      ADD_FAILURE() << "no error";
    } catch (const InOutError& e) {
      EXPECT_EQ(e.code(), 2);
      EXPECT_STREQ(e.what(), "File not found: missing");
    }
    EXPECT_EQ(RememberedFolder(), "");
  }
}

}  // namespace
}  // namespace vantrel::app
