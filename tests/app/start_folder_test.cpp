// The folder the window starts in: given, found where it was started, or asked for and
// remembered. Real folders in a temporary folder; the folder dialog answered by the test.
#include "app/start_folder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel::app {
namespace {

namespace fs = std::filesystem;

class StartFolder : public ::testing::Test {
 protected:
  StartFolder() {
    QSettings("Vantrel", "Vantrel").clear();  // what an earlier test remembered is not this test's
    samplegame::LaySampleGame("game");
    temp_.mkdir("home");
    fs::current_path(temp_.path() / "home");
  }

  // A chooser that records where it was asked to start and answers `answer`.
  FolderChooser Answering(const QString& answer) {
    return [this, answer](const QString& start) {
      asked_.push_back(start);
      return answer;
    };
  }

  QString Work() const { return QString::fromStdString((temp_.path() / "game/Simpatch").string()); }
  QString Current() const { return QDir::currentPath(); }

  testing::TempDir temp_;
  std::vector<QString> asked_;
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
    const QString started = Current();
    asked_.clear();

    ASSERT_TRUE(EnterWorkingFolder("", Answering(Work())));
    EXPECT_EQ(asked_.size(), c.working ? 0u : 1u);
    EXPECT_EQ(Current(), c.working ? started : Work());
    fs::current_path(temp_.path());
    fs::remove_all(temp_.path() / "start");
  }
  // The sample game's working folder is one, as the window tests start in it.
  fs::current_path(Work().toStdString());
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
  EXPECT_EQ(asked_[0], QDir::homePath());
  EXPECT_EQ(asked_[1], Work());

  // A remembered folder that has gone since is not where the dialog starts.
  QSettings("Vantrel", "Vantrel").setValue("start/folder", Work() + "/gone");
  fs::current_path(temp_.path() / "home");
  ASSERT_TRUE(EnterWorkingFolder("", Answering(Work())));
  EXPECT_EQ(asked_.back(), QDir::homePath());
}

TEST_F(StartFolder, CancellingTheDialogEntersAndRemembersNothing) {
  const QString home = Current();
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

// The program's own chooser: the folder dialog, answered as the user would.
TEST_F(StartFolder, TheFolderDialogReturnsTheFolderChosenAndNothingWhenCancelled) {
  const QString start = QString::fromStdString((temp_.path() / "game").string());
  QString startedAt;
  for (bool choose : {true, false}) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr) << "no folder dialog";
      startedAt = dialog->directory().absolutePath();
      dialog->setDirectory(Work());
      // Through QDialog, where the two are public.
      QDialog* box = dialog;
      choose ? box->accept() : box->reject();
    });
    EXPECT_EQ(AskForWorkingFolder(start), choose ? Work() : QString());
    EXPECT_EQ(startedAt, start);
  }
}

}  // namespace
}  // namespace vantrel::app
