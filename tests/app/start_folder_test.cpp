// The folder the window starts in: given, found where it was started, or asked for and
// remembered. Real folders in a temporary folder; the folder dialog answered by the test.
// Knows no toolkit: run by both windows' test programs, each with its own memory of the
// folder.
#include "app/start_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/folder_dialog.h"
#include "app/folder_memory.h"
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

  // A chooser that records where it was asked to start and answers `answer`.
  FolderChooser Answering(const std::string& answer) {
    return [this, answer](const std::string& start) {
      asked_.push_back(start);
      return answer;
    };
  }

  std::string Work() const { return Native(temp_.path() / "game" / "Simpatch"); }
  static std::string Current() { return platform::CurrentDirectory(); }

  const std::string before_;
  testing::TempDir temp_;
  std::vector<std::string> asked_;
};

TEST_F(StartFolder, AGivenFolderIsEnteredWithoutAskingAndRemembered) {
  ASSERT_TRUE(EnterWorkingFolder("../game/Simpatch", Answering("/")));
  EXPECT_TRUE(asked_.empty());
  EXPECT_EQ(Current(), Work());
  EXPECT_EQ(RememberedFolder(), Work());
}

// What makes the folder the program was started in a working folder: a patch folder, or one
// of the model files. Anything else has the user asked.
TEST_F(StartFolder, StartedInAWorkingFolderItStaysThereWithoutAsking) {
  struct Case {
    const char* file;
    bool working;
  };
  const Case cases[] = {
      {"Big Tank/060E9000.dml", true}, {"fmparams.dat", true},       {"acspecs3.dat", true},
      {"Notes/readme.txt", false},     {"Big Tank/060E.dml", false}, {"060E9000.dml", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    temp_.write("start/" + std::string(c.file), "x");
    fs::current_path(temp_.path() / "start");
    const std::string started = Current();
    asked_.clear();

    ASSERT_TRUE(EnterWorkingFolder("", Answering(Work())));
    EXPECT_EQ(asked_.size(), c.working ? 0u : 1u);
    EXPECT_EQ(Current(), c.working ? started : Work());
    fs::current_path(temp_.path());
    fs::remove_all(temp_.path() / "start");
  }
  // The sample game's working folder is one, as the window tests start in it.
  fs::current_path(temp_.path() / "game" / "Simpatch");
  asked_.clear();
  ASSERT_TRUE(EnterWorkingFolder("", Answering("/")));
  EXPECT_TRUE(asked_.empty());
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
  fs::create_symlink("loop", temp_.path() / "loop", ec);
  if (ec) GTEST_SKIP() << "no symbolic link can be made here: " << ec.message();
  RememberFolder(Native(temp_.path() / "loop" / "Simpatch"));
  ASSERT_TRUE(EnterWorkingFolder("", Answering(Work())));
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0], HomeFolder());
}

// A folder whose name is not ASCII is entered, remembered and offered again as it is.
TEST_F(StartFolder, AFolderNamedBeyondAsciiIsEnteredAndRememberedAsItIs) {
  const fs::path folder = temp_.path() / testing::Utf8Path("Jeu d\xC3\xA9mo \xE2\x80\x93 \xE6\xB8\xAC");
  fs::create_directories(folder / "Simpatch");
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
